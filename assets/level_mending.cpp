// SPDX-License-Identifier: MIT
#include "assets/level_mending.h"

#include <algorithm>

#include "assets/level_rules.h"
#include "assets/map_decoding.h"
#include "base/concat.h"
#include "gfx/gdi.h"
#include "gfx/surface.h"

namespace {

bool listed(std::uint32_t colour)
{
    return std::any_of(levelColours.begin(), levelColours.end(),
                       [colour](const LevelColour& entry) { return entry.colour == colour; });
}

}  // namespace

MendedLevel mendLevel(const Surface& picture)
{
    MendedLevel level;
    const auto mend = [&level](std::int32_t x, std::int32_t y, std::int16_t code, const std::string& why) {
        level.cells(x, y) = code;
        level.mends.push_back(concat(pixelText(x, y), why));
    };
    decodeMap(picture, level.cells);
    // In the order the level check reads the pixels, column by column.
    for (std::int32_t x = 0; x < MapCells::Size; ++x) {
        for (std::int32_t y = 0; y < MapCells::Size; ++y) {
            const std::uint32_t colour = GetPixel(picture.hDC(), x, y);
            if (listed(colour)) continue;
            const LevelColour& nearest = nearestLevelColour(colour);
            mend(x, y, nearest.code,
                 concat("colour ", rgbText(colour), " is not a level colour; read as ", nearest.name, " ",
                        rgbText(nearest.colour)));
        }
    }
    for (std::int32_t x = 0; x < MapCells::Size; ++x) {
        for (std::int32_t y = 0; y < MapCells::Size; ++y) {
            if (!onOuterRing(x, y) || level.cells(x, y) != 0) continue;
            mend(x, y, borderWall, concat("open cell on the outer ring; walled (", colourName(borderWall), ")"));
        }
    }
    if (const std::int16_t start = level.cells(startCell.x, startCell.y); start != 0) {
        mend(startCell.x, startCell.y, 0, concat("the start cell was wall code ", std::to_string(start), "; opened"));
    }
    return level;
}

MapCells walledHall()
{
    MapCells cells;
    for (std::int32_t y = 0; y < MapCells::Size; ++y) {
        for (std::int32_t x = 0; x < MapCells::Size; ++x) cells(x, y) = onOuterRing(x, y) ? borderWall : 0;
    }
    return cells;
}
