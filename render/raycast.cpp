// SPDX-License-Identifier: MIT
#include "render/raycast.h"

#include <string>

#include "base/checked.h"
#include "gfx/gdi.h"
#include "sim/game_state.h"

namespace {

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

void ColumnRuns::push(const ColumnRun& run)
{
    runs[checked::index(count, capacity, "column run")] = run;
    ++count;
}

ColumnRuns castColumnRuns(const GameState& state, std::int32_t width, float height)
{
    // One column more than the view is wide: the last looks along the right
    // edge of the field of view and the copy clips it away. The last codes
    // of both walks carry over from ray to ray.
    ColumnRuns runs;
    LastWallCodes lastCodes;
    for (std::int32_t first = 0, end = 0; first <= width; first = end) {
        const std::int32_t rayOffset = columnRayOffset(first, width);
        for (end = first + 1; end <= width && columnRayOffset(end, width) == rayOffset;) ++end;
        runs.push({first, end, rayOffset, castColumn(state, rayOffset, height, lastCodes)});
    }
    return runs;
}

void drawView(const GameState& state, Surface& picture, const Surface& picClear,
              const std::array<Surface, textureSlots>& picTexture)
{
    const DeviceContext dc = picture.hDC();
    const float W = picture.ScaleWidth();
    const float H = picture.ScaleHeight();
    const std::int32_t width = checked::toInt32(W, "W");
    const std::int32_t height = checked::toInt32(H, "H");
    // Every ray is cast before anything is drawn, so a frame that fails
    // draws nothing.
    const ColumnRuns runs = castColumnRuns(state, width, H);

    // The backdrop first, but not behind walls that cover every row, where
    // none of it would show: each stretch of columns between them gets it.
    const DeviceContext backdrop = picClear.hDC();
    std::int32_t stretch = 0;
    for (const ColumnRun& run : runs) {
        if (!coversEveryRow(run.wall, height)) continue;
        drawBackdrop(dc, backdrop, width, height, stretch, run.firstColumn);
        stretch = run.endColumn;
    }
    drawBackdrop(dc, backdrop, width, height, stretch, width);

    // Then the walls over it, each run by one copy several columns wide from
    // its one texture column: the copy then writes along rows, where column
    // after column down a wide image is several times slower.
    for (const ColumnRun& run : runs) {
        const WallColumn& wall = run.wall;
        const Surface& texture = picTexture[checked::index(wall.wallCode, picTexture.size(), "picTexture index")];
        if (StretchBlt(dc, run.firstColumn, wall.wallTop, run.endColumn - run.firstColumn, wall.wallHeight,
                       texture.hDC(), wall.textureColumn, 0, 1, texturePictureSize.height, SRCCOPY) == 0) {
            copyFailed("picTexture(" + std::to_string(wall.wallCode) + ")");
        }
    }
    picture.Refresh();
}
