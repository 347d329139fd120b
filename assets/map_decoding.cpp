#include "assets/map_decoding.h"

#include <array>
#include <cstdint>

#include "render/gdi.h"

namespace {

struct ColourCode {
    std::uint32_t colour;  // 0x00BBGGRR
    std::int16_t code;
};

// Tested in this order; the first exact match wins.
constexpr std::array<ColourCode, 6> colourTable{{
    {0x00000000, 0},  // black: open floor
    {0x0000FFFF, 1},  // yellow
    {0x00FFFFFF, 2},  // white
    {0x000000FF, 3},  // red
    {0x00FF0000, 4},  // blue
    {0x0000FF00, 5},  // green
}};

}  // namespace

void decodeMap(const Surface& picMap, MapCells& mapCells)
{
    std::int16_t code = 0;
    for (std::int32_t x = 0; x < MapCells::Size; ++x) {
        for (std::int32_t y = 0; y < MapCells::Size; ++y) {
            const std::uint32_t colour = GetPixel(picMap.hDC(), x, y);
            for (const ColourCode& entry : colourTable) {
                if (entry.colour == colour) {
                    code = entry.code;
                    break;
                }
            }
            mapCells(x, y) = code;
        }
    }
}
