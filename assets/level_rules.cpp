#include "assets/level_rules.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "assets/map_cells.h"
#include "assets/map_decoding.h"
#include "render/gdi.h"

namespace {

// Wall codes 1..5 each have a texture; a higher code would have none.
constexpr std::int16_t highestWallCode = 5;
constexpr std::int32_t startX = 2;
constexpr std::int32_t startY = 2;

// Messages are built by appending; chains of operator+ trip a false
// -Wrestrict warning in g++ 12.
template <class... Parts>
std::string concat(const Parts&... parts)
{
    std::string text;
    (text += ... += parts);
    return text;
}

std::string pixel(std::int32_t x, std::int32_t y)
{
    return concat("pixel (", std::to_string(x), ", ", std::to_string(y), "): ");
}

std::string rgb(std::uint32_t colour)
{
    return concat("(", std::to_string(colour & 0xFF), ", ", std::to_string((colour >> 8) & 0xFF), ", ",
                  std::to_string((colour >> 16) & 0xFF), ")");
}

bool onOuterRing(std::int32_t x, std::int32_t y)
{
    return x == 0 || y == 0 || x == MapCells::Size - 1 || y == MapCells::Size - 1;
}

}  // namespace

LevelReport checkLevel(const Surface& picMap)
{
    LevelReport report;
    const DeviceContext dc = picMap.hDC();
    if (dc.width != MapCells::Size || dc.height != MapCells::Size) {
        report.errors.push_back(concat("picture is ", std::to_string(dc.width), " x ", std::to_string(dc.height),
                                       " pixels; the level must be 64 x 64, one pixel per cell"));
        return report;
    }

    MapCells cells;
    decodeMap(picMap, cells);
    // Column by column, as the decoder reads, so warnings come in reading order.
    for (std::int32_t x = 0; x < MapCells::Size; ++x) {
        for (std::int32_t y = 0; y < MapCells::Size; ++y) {
            const std::int16_t code = cells(x, y);
            if (code == 0 && onOuterRing(x, y)) {
                report.errors.push_back(concat(pixel(x, y),
                                               "open cell on the outer ring; the border must be wall so "
                                               "rays and movement never leave the grid"));
            }
            if (code > highestWallCode) {
                report.errors.push_back(concat(pixel(x, y), "wall code ", std::to_string(code),
                                               " has no texture (textures are 1 to 5)"));
            }
            const std::uint32_t colour = GetPixel(picMap.hDC(), x, y);
            // Any other colour silently repeats the previous cell's code.
            const auto listed = [colour](const LevelColour& entry) { return entry.colour == colour; };
            if (std::none_of(levelColours.begin(), levelColours.end(), listed)) {
                report.warnings.push_back(concat(pixel(x, y), "colour ", rgb(colour),
                                                 " is not a level colour; the cell repeats the code of "
                                                 "the pixel read before it (",
                                                 std::to_string(code), ")"));
            }
        }
    }
    if (cells(startX, startY) != 0) {
        report.errors.push_back(concat(pixel(startX, startY), "the start cell must be open floor, not wall code ",
                                       std::to_string(cells(startX, startY))));
    }
    return report;
}
