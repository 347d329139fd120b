#include "core/checked.h"
#include "core/frmMain.h"
#include "render/gdi.h"

void frmMain::Raycast(Surface& picture)
{
    const DeviceContext dc = picture.hDC();
    StretchBlt(dc, 0, 0, checked::toInt32(picture.ScaleWidth(), "W"),
               checked::toInt32(picture.ScaleHeight(), "H"), picClear.hDC(), 0, 0, 64, 64, SRCCOPY);
    picture.Refresh();
}
