#include "assets/picture_sizes.h"
#include "core/checked.h"
#include "core/frmMain.h"
#include "render/gdi.h"
#include "render/ray_column.h"

#include <string>

void frmMain::Raycast(Surface& picture)
{
    const DeviceContext dc = picture.hDC();
    const float W = picture.ScaleWidth();
    const float H = picture.ScaleHeight();
    const std::int32_t width = checked::toInt32(W, "W");
    StretchBlt(dc, 0, 0, width, checked::toInt32(H, "H"), picClear.hDC(), 0, 0, backdropPictureSize.width,
               backdropPictureSize.height, SRCCOPY);

    // Neighbouring columns with the same whole-degree offset cast the same ray
    // through the same cells and leave the same last codes behind, so the ray
    // is cast once per offset and its wall drawn in each of those columns.
    LastWallCodes lastCodes;
    std::int32_t castOffset = 0;
    WallColumn wall;
    // One column more than the view is wide: the last looks along the right
    // edge of the field of view and the blit clips it away.
    for (std::int32_t screenColumn = 0; screenColumn <= width; ++screenColumn) {
        const std::int32_t rayOffset = columnRayOffset(screenColumn, width);
        if (screenColumn == 0 || rayOffset != castOffset) {
            wall = castColumn(state, rayOffset, H, lastCodes);
            castOffset = rayOffset;
        }
        const Surface& texture =
            picTexture[checked::index(wall.wallCode, picTexture.size(), "picTexture index")];
        if (StretchBlt(dc, screenColumn, wall.wallTop, 1, wall.wallHeight, texture.hDC(),
                       wall.textureColumn, 0, 1, texturePictureSize.height, SRCCOPY) == 0) {
            throw RuntimeError("StretchBlt failed: picTexture(" + std::to_string(wall.wallCode) + ")");
        }
    }
    picture.Refresh();
}
