// SPDX-License-Identifier: MIT
#include <array>
#include <string>

#include "assets/picture_sizes.h"
#include "core/checked.h"
#include "core/frmMain.h"
#include "render/gdi.h"
#include "render/ray_column.h"

namespace {

// Neighbouring screen columns with the same whole-degree offset cast the same
// ray through the same cells and leave the same last codes behind, so they
// draw the same wall: the ray is cast once for the run of them, and the run
// is drawn by one copy several columns wide from the one texture column. The
// copy then writes along rows, where column after column down a wide image
// is several times slower.
struct ColumnRun {
    std::int32_t first = 0;
    std::int32_t end = 0;  // one past the last column
    WallColumn wall;
};

// One run per whole-degree offset at most, -35 to 35.
constexpr std::size_t mostRuns = 71;

bool coversEveryRow(const WallColumn& wall, std::int32_t height)
{
    return wall.wallTop <= 0 && std::int64_t{wall.wallTop} + wall.wallHeight >= height;
}

[[noreturn]] void copyFailed(const std::string& picture)
{
    throw RuntimeError("StretchBlt failed: " + picture);
}

// The backdrop stretched over the whole frame, drawn only in the columns
// left..right - 1: a device context for just those columns clips the copy,
// and every pixel drawn is sampled as in the whole frame.
void drawBackdrop(const DeviceContext& frame, const DeviceContext& backdrop, std::int32_t width,
                  std::int32_t height, std::int32_t left, std::int32_t right)
{
    if (left >= right) return;
    const DeviceContext columns{frame.pixels + left, right - left, frame.height, frame.pitch};
    if (StretchBlt(columns, -left, 0, width, height, backdrop, 0, 0, backdropPictureSize.width,
                   backdropPictureSize.height, SRCCOPY) == 0) {
        copyFailed("picClear");
    }
}

}  // namespace

void frmMain::Raycast(Surface& picture)
{
    const DeviceContext dc = picture.hDC();
    const float W = picture.ScaleWidth();
    const float H = picture.ScaleHeight();
    const std::int32_t width = checked::toInt32(W, "W");
    const std::int32_t height = checked::toInt32(H, "H");

    // One column more than the view is wide: the last looks along the right
    // edge of the field of view and the copy clips it away.
    std::array<ColumnRun, mostRuns> runs;
    std::size_t runCount = 0;
    LastWallCodes lastCodes;
    for (std::int32_t first = 0, end = 0; first <= width; first = end) {
        const std::int32_t rayOffset = columnRayOffset(first, width);
        for (end = first + 1; end <= width && columnRayOffset(end, width) == rayOffset;) ++end;
        runs[checked::index(runCount++, mostRuns, "column run")] = {first, end,
                                                                   castColumn(state, rayOffset, H, lastCodes)};
    }

    // The backdrop first, but not behind walls that cover every row, where
    // none of it would show: each stretch of columns between them gets it.
    const DeviceContext backdrop = picClear.hDC();
    std::int32_t stretch = 0;
    for (std::size_t i = 0; i < runCount; ++i) {
        if (!coversEveryRow(runs[i].wall, height)) continue;
        drawBackdrop(dc, backdrop, width, height, stretch, runs[i].first);
        stretch = runs[i].end;
    }
    drawBackdrop(dc, backdrop, width, height, stretch, width);

    // Then the walls over it.
    for (std::size_t i = 0; i < runCount; ++i) {
        const WallColumn& wall = runs[i].wall;
        const Surface& texture =
            picTexture[checked::index(wall.wallCode, picTexture.size(), "picTexture index")];
        if (StretchBlt(dc, runs[i].first, wall.wallTop, runs[i].end - runs[i].first, wall.wallHeight,
                       texture.hDC(), wall.textureColumn, 0, 1, texturePictureSize.height, SRCCOPY) == 0) {
            copyFailed("picTexture(" + std::to_string(wall.wallCode) + ")");
        }
    }
    picture.Refresh();
}
