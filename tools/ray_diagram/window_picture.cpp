// SPDX-License-Identifier: MIT
#include "tools/ray_diagram/window_picture.h"

#include "core/checked.h"
#include "core/frmMain.h"
#include "core/stored_window.h"
#include "render/gdi.h"
#include "tools/ray_diagram/canvas.h"

namespace {

constexpr std::int32_t shownScale = 2;

// The colours the SDL window paints around the frame: the dialog face, and
// the two rings of the render box's sunken edge, each darker at the top and
// left.
constexpr Rgb face{212, 208, 200};
constexpr Rgb shadow{128, 128, 128};
constexpr Rgb darkShadow{64, 64, 64};
constexpr Rgb highlight{255, 255, 255};
constexpr Rgb light{227, 227, 227};

void ring(const Canvas& canvas, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Rgb dark,
          Rgb bright)
{
    canvas.fill(x, y, width, 1, dark);
    canvas.fill(x, y, 1, height, dark);
    canvas.fill(x, y + height - 1, width, 1, bright);
    canvas.fill(x + width - 1, y, 1, height, bright);
}

}  // namespace

Surface drawWindow(frmMain& form)
{
    // The window centres the render box as it does when first shown.
    form.Form_Resize();
    form.Raycast(form.picRender);

    Surface window(storedClientWidth, storedClientHeight);
    const Canvas canvas(window.hDC());
    canvas.fill(0, 0, storedClientWidth, storedClientHeight, face);
    const DeviceContext frame = form.picRender.hDC();
    const std::int32_t border = form.picRender.BorderWidth();
    const std::int32_t left = checked::toInt32(form.picRender.Left, "picRender.Left");
    const std::int32_t top = checked::toInt32(form.picRender.Top, "picRender.Top");
    ring(canvas, left, top, frame.width + 2 * border, frame.height + 2 * border, shadow, highlight);
    ring(canvas, left + 1, top + 1, frame.width + 2 * border - 2, frame.height + 2 * border - 2, darkShadow, light);
    StretchBlt(window.hDC(), left + border, top + border, frame.width, frame.height, frame, 0, 0, frame.width,
               frame.height, SRCCOPY);

    Surface shown(storedClientWidth * shownScale, storedClientHeight * shownScale);
    StretchBlt(shown.hDC(), 0, 0, storedClientWidth * shownScale, storedClientHeight * shownScale, window.hDC(), 0, 0,
               storedClientWidth, storedClientHeight, SRCCOPY);
    return shown;
}
