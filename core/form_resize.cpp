// SPDX-License-Identifier: MIT
#include "base/checked.h"
#include "core/frmMain.h"

// Keeps the render surface centred on its drawable size, so the box sits a
// border's width right of and below the exact centre. Only picRender moves.
void frmMain::Form_Resize()
{
    const ClientSize client = platform.ClientArea();
    picRender.Left = checked::toSingle(
        double{client.ScaleWidth} / 2 - double{picRender.ScaleWidth()} / 2, "picRender.Left");
    picRender.Top = checked::toSingle(
        double{client.ScaleHeight} / 2 - double{picRender.ScaleHeight()} / 2, "picRender.Top");
}
