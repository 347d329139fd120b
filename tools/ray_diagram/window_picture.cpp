// SPDX-License-Identifier: MIT
#include "tools/ray_diagram/window_picture.h"

#include "core/frmMain.h"
#include "core/stored_window.h"
#include "gfx/client_area.h"
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
    composeClientArea(window.image(), form.picRender, true);

    Surface shown(storedClientWidth * shownScale, storedClientHeight * shownScale);
    StretchBlt(shown.hDC(), 0, 0, storedClientWidth * shownScale, storedClientHeight * shownScale, window.hDC(), 0, 0,
               storedClientWidth, storedClientHeight, SRCCOPY);
    return shown;
}
