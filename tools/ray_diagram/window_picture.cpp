// SPDX-License-Identifier: MIT
#include "tools/ray_diagram/window_picture.h"

#include <SDL_rect.h>

#include "base/checked.h"
#include "core/frmMain.h"
#include "core/stored_window.h"
#include "gfx/window_face.h"
#include "gfx/gdi.h"

namespace {

constexpr std::int32_t shownScale = 2;

}  // namespace

Surface drawWindow(frmMain& form)
{
    // The window centres the render box as it does when first shown.
    form.Form_Resize();
    form.Raycast(form.picRender);

    Surface window(storedClientWidth, storedClientHeight);
    const DeviceContext frame = form.picRender.hDC();
    const std::int32_t border = form.picRender.BorderWidth();
    const std::int32_t left = checked::toInt32(form.picRender.Left, "picRender.Left");
    const std::int32_t top = checked::toInt32(form.picRender.Top, "picRender.Top");
    const SDL_Rect box{left, top, frame.width + 2 * border, frame.height + 2 * border};
    paintWindowFace(window.image(), box, border);
    StretchBlt(window.hDC(), left + border, top + border, frame.width, frame.height, frame, 0, 0, frame.width,
               frame.height, SRCCOPY);

    Surface shown(storedClientWidth * shownScale, storedClientHeight * shownScale);
    StretchBlt(shown.hDC(), 0, 0, storedClientWidth * shownScale, storedClientHeight * shownScale, window.hDC(), 0, 0,
               storedClientWidth, storedClientHeight, SRCCOPY);
    return shown;
}
