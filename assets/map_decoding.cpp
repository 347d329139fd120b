// SPDX-License-Identifier: MIT
#include "assets/map_decoding.h"

#include "assets/map_cells.h"
#include "gfx/gdi.h"
#include "gfx/surface.h"

void decodeMap(const Surface& picMap, MapCells& mapCells)
{
    std::int16_t code = 0;
    for (std::int32_t x = 0; x < MapCells::Size; ++x) {
        for (std::int32_t y = 0; y < MapCells::Size; ++y) {
            const std::uint32_t colour = GetPixel(picMap.hDC(), x, y);
            for (const LevelColour& entry : levelColours) {
                if (entry.colour == colour) {
                    code = entry.code;
                    break;
                }
            }
            mapCells(x, y) = code;
        }
    }
}
