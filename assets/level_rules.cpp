// SPDX-License-Identifier: MIT
#include "assets/level_rules.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "assets/map_cells.h"
#include "assets/map_decoding.h"
#include "assets/picture_sizes.h"
#include "base/concat.h"
#include "gfx/gdi.h"
#include "gfx/surface.h"

namespace {

// A wall code above the last texture would make the renderer fail on it.
static_assert(std::all_of(levelColours.begin(), levelColours.end(),
                          [](const LevelColour& entry) { return entry.code <= highestWallCode; }),
              "every level colour needs a texture");

std::uint32_t channelDistance(std::uint32_t a, std::uint32_t b, int shift)
{
    const std::uint32_t first = (a >> shift) & 0xFF;
    const std::uint32_t second = (b >> shift) & 0xFF;
    const std::uint32_t difference = first > second ? first - second : second - first;
    return difference * difference;
}

}  // namespace

const LevelColour& nearestLevelColour(std::uint32_t colour)
{
    std::size_t nearest = 0;
    std::uint32_t nearestDistance = UINT32_MAX;
    for (std::size_t i = 0; i < levelColours.size(); ++i) {
        const std::uint32_t distance = channelDistance(colour, levelColours[i].colour, 0) +
                                       channelDistance(colour, levelColours[i].colour, 8) +
                                       channelDistance(colour, levelColours[i].colour, 16);
        if (distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return levelColours[nearest];
}

std::string pixelText(std::int64_t x, std::int64_t y)
{
    return concat("pixel (", std::to_string(x), ", ", std::to_string(y), "): ");
}

std::string rgbText(std::uint32_t colour)
{
    return concat("(", std::to_string(colour & 0xFF), ", ", std::to_string((colour >> 8) & 0xFF), ", ",
                  std::to_string((colour >> 16) & 0xFF), ")");
}

bool onOuterRing(std::int64_t x, std::int64_t y)
{
    return x == 0 || y == 0 || x == MapCells::Size - 1 || y == MapCells::Size - 1;
}

std::vector<BrokenRule> checkLevel(const Surface& picMap, UnknownColours unknownColours)
{
    MapCells cells;
    decodeMap(picMap, cells);
    BrokenRule openBorder;
    BrokenRule blockedStart;
    BrokenRule unlistedColours{.isError = unknownColours == UnknownColours::Error, .pixels = {}};
    // Column by column, as the decoder reads, so messages come in reading order.
    for (std::int32_t x = 0; x < MapCells::Size; ++x) {
        for (std::int32_t y = 0; y < MapCells::Size; ++y) {
            const std::int16_t code = cells(x, y);
            if (code == 0 && onOuterRing(x, y)) {
                openBorder.pixels.push_back(concat(pixelText(x, y),
                                                   "open cell on the outer ring; the border must be wall so "
                                                   "rays and movement never leave the grid"));
            }
            const std::uint32_t colour = GetPixel(picMap.hDC(), x, y);
            // The decoder lets any other colour repeat the previous cell's code.
            const auto listed = [colour](const LevelColour& entry) { return entry.colour == colour; };
            if (std::none_of(levelColours.begin(), levelColours.end(), listed)) {
                const LevelColour& nearest = nearestLevelColour(colour);
                std::string message = concat(pixelText(x, y), "colour ", rgbText(colour),
                                             " is not a level colour; the nearest is ", nearest.name,
                                             " ", rgbText(nearest.colour));
                if (!unlistedColours.isError) {
                    message += concat("; the cell repeats the code of the pixel read before it (",
                                      std::to_string(code), ")");
                }
                unlistedColours.pixels.push_back(std::move(message));
            }
        }
    }
    const std::int16_t start = cells(startCell.x, startCell.y);
    if (start != 0) {
        blockedStart.pixels.push_back(concat(pixelText(startCell.x, startCell.y),
                                             "the start cell must be open floor, not wall code ",
                                             std::to_string(start)));
    }

    std::vector<BrokenRule> broken;
    for (BrokenRule* rule : {&openBorder, &blockedStart, &unlistedColours}) {
        if (!rule->pixels.empty()) broken.push_back(std::move(*rule));
    }
    return broken;
}
