// SPDX-License-Identifier: MIT
#include "render/raycast.h"

#include <algorithm>
#include <limits>
#include <string>

#include "base/checked.h"
#include "gfx/gdi.h"
#include "sim/game_state.h"

namespace {

[[noreturn]] void copyFailed(const std::string& picture)
{
    throw RuntimeError("StretchBlt failed: " + picture);
}

// The rows of the view a wall covers, first..end - 1.
struct WallRows {
    std::int64_t first;
    std::int64_t end;
};

WallRows wallRows(const WallColumn& wall, std::int64_t height)
{
    return {std::clamp<std::int64_t>(wall.wallTop, 0, height),
            std::clamp<std::int64_t>(std::int64_t{wall.wallTop} + wall.wallHeight, 0, height)};
}

// Neighbouring runs whose backdrop is drawn together, in columns
// left..right - 1, except in the rows that every wall among them covers.
class BackdropStretch {
public:
    void add(const ColumnRun& run, const WallRows& rows)
    {
        if (left == right) left = run.firstColumn;
        right = run.endColumn;
        covered = {std::max(covered.first, rows.first), std::min(covered.end, rows.end)};
    }

    // Every pixel drawn is sampled as in the whole frame: a device context
    // for just those columns and rows clips the copy.
    void draw(const DeviceContext& frame, const DeviceContext& backdrop) const
    {
        const std::int64_t coveredEnd = std::max(covered.first, covered.end);
        drawRows(frame, backdrop, 0, covered.first);
        drawRows(frame, backdrop, coveredEnd, frame.height);
    }

private:
    void drawRows(const DeviceContext& frame, const DeviceContext& backdrop, std::int64_t top, std::int64_t bottom) const
    {
        const std::int32_t shownRight = std::min(right, frame.width);
        if (left >= shownRight || top >= bottom) return;
        const DeviceContext part{frame.pixels + top * frame.pitch + left, shownRight - left,
                                 static_cast<std::int32_t>(bottom - top), frame.pitch};
        if (StretchBlt(part, -left, static_cast<std::int32_t>(-top), frame.width, frame.height, backdrop, 0, 0,
                       backdropPictureSize.width, backdropPictureSize.height, SRCCOPY) == 0) {
            copyFailed("picClear");
        }
    }

    std::int32_t left = 0;
    std::int32_t right = 0;
    WallRows covered{0, std::numeric_limits<std::int64_t>::max()};
};

// The first column past those at `rayOffset`: columnRayOffset exceeds it
// from 70 c >= (rayOffset + 36) W on, that is from c = ceil((rayOffset + 36) W / 70).
std::int32_t nextRunColumn(std::int32_t rayOffset, std::int32_t width)
{
    const std::int64_t degrees = std::int64_t{rayOffset} + fieldOfView / 2 + 1;
    return static_cast<std::int32_t>((degrees * width + fieldOfView - 1) / fieldOfView);
}

}  // namespace

void ColumnRuns::push(const ColumnRun& run)
{
    runs[checked::index(count, capacity, "column run")] = run;
    ++count;
}

void castColumnRuns(const GameState& state, std::int32_t width, float height, ColumnRuns& runs)
{
    // One column more than the view is wide: the last looks along the right
    // edge of the field of view and the copy clips it away. The last codes
    // of both walks carry over from ray to ray.
    runs.clear();
    LastWallCodes lastCodes;
    for (std::int32_t first = 0, end = 0; first <= width; first = end) {
        const std::int32_t rayOffset = columnRayOffset(first, width);
        end = std::min(nextRunColumn(rayOffset, width), width + 1);
        runs.push({first, end, rayOffset, castColumn(state, rayOffset, height, lastCodes)});
    }
}

ColumnRuns castColumnRuns(const GameState& state, std::int32_t width, float height)
{
    ColumnRuns runs;
    castColumnRuns(state, width, height, runs);
    return runs;
}

void drawView(const GameState& state, Surface& picture, const Surface& picClear,
              const std::array<Surface, textureSlots>& picTexture, ColumnRuns& runs)
{
    const DeviceContext dc = picture.hDC();
    const float W = picture.ScaleWidth();
    const float H = picture.ScaleHeight();
    const std::int32_t width = checked::toInt32(W, "W");
    const std::int32_t height = checked::toInt32(H, "H");
    // Every ray is cast before anything is drawn, so a frame that fails
    // draws nothing.
    castColumnRuns(state, width, H, runs);

    // The backdrop first, but only where the walls drawn over it leave some
    // of it to see: not behind walls that cover every row, and in each
    // stretch of columns between them only above and below the rows that all
    // of its walls cover.
    const DeviceContext backdrop = picClear.hDC();
    BackdropStretch stretch;
    for (const ColumnRun& run : runs) {
        const WallRows rows = wallRows(run.wall, height);
        if (rows.first == 0 && rows.end == height) {
            stretch.draw(dc, backdrop);
            stretch = {};
            continue;
        }
        stretch.add(run, rows);
    }
    stretch.draw(dc, backdrop);

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
