// SPDX-License-Identifier: MIT
#include <algorithm>

#include "base/checked.h"
#include "core/frmMain.h"

namespace {

// Right of the map panel's box, and above and below it at least.
constexpr float panelMargin = 8;

float outerWidth(const Surface& box) { return box.ScaleWidth() + 2.0f * float(box.BorderWidth()); }
float outerHeight(const Surface& box) { return box.ScaleHeight() + 2.0f * float(box.BorderWidth()); }

}  // namespace

// The render surface is kept centred on its drawable size in its part of
// the client area, so the box sits a border's width right of and below the
// exact centre. Its part is the whole client area, or with the map panel
// shown all of it left of the panel's part: the panel's box and a margin
// on its right, the box centred from top to bottom.
void frmMain::Form_Resize()
{
    const ClientSize client = platform.ClientArea();
    const double panelPart = mapShown ? outerWidth(mapPanel->picture) + panelMargin : 0;
    const double viewPart = double{client.ScaleWidth} - panelPart;
    picRender.Left = checked::toSingle(viewPart / 2 - double{picRender.ScaleWidth()} / 2, "picRender.Left");
    picRender.Top = checked::toSingle(
        double{client.ScaleHeight} / 2 - double{picRender.ScaleHeight()} / 2, "picRender.Top");
    if (!mapShown) return;
    mapPanel->picture.Left = checked::toSingle(viewPart, "picMap.Left");
    mapPanel->picture.Top = checked::toSingle(
        double{client.ScaleHeight} / 2 - double{outerHeight(mapPanel->picture)} / 2, "picMap.Top");
}

ClientSize frmMain::WantedClientArea() const
{
    ClientSize wanted{storedClientWidth, storedClientHeight};
    if (mapShown) {
        wanted.ScaleWidth += outerWidth(mapPanel->picture) + panelMargin;
        wanted.ScaleHeight = std::max(wanted.ScaleHeight, outerHeight(mapPanel->picture) + 2 * panelMargin);
    }
    return wanted;
}
