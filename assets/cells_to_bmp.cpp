// SPDX-License-Identifier: MIT
#include "assets/cells_to_bmp.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "assets/map_cells.h"
#include "assets/map_decoding.h"
#include "assets/picture_sizes.h"
#include "base/runtime_error.h"

namespace {

constexpr std::uint32_t headerBytes = 14 + 40;
constexpr std::uint32_t rowBytes = 3 * MapCells::Size;  // a multiple of 4: no padding
constexpr std::uint32_t pixelBytes = rowBytes * MapCells::Size;

void put(std::vector<unsigned char>& file, std::size_t at, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) file[at + std::size_t(i)] = static_cast<unsigned char>(value >> (8 * i));
}

// A texture without a level colour would make a level whose cells cannot
// be drawn back.
static_assert(
    [] {
        for (std::int16_t code = 0; code <= highestWallCode; ++code) {
            if (std::none_of(levelColours.begin(), levelColours.end(),
                             [&](const LevelColour& each) { return each.code == code; })) {
                return false;
            }
        }
        return true;
    }(),
    "every wall code that has a texture needs a level colour");

std::uint32_t colourOf(std::int16_t code)
{
    const auto* entry = std::find_if(levelColours.begin(), levelColours.end(),
                                     [&](const LevelColour& each) { return each.code == code; });
    if (entry == levelColours.end()) throw RuntimeError("cell code " + std::to_string(code) + " has no level colour");
    return entry->colour;
}

}  // namespace

std::vector<unsigned char> cellsToBmp(const MapCells& cells)
{
    std::vector<unsigned char> file(headerBytes + pixelBytes);
    file[0] = 'B';
    file[1] = 'M';
    put(file, 2, headerBytes + pixelBytes, 4);
    put(file, 10, headerBytes, 4);
    put(file, 14, 40, 4);
    put(file, 18, MapCells::Size, 4);
    put(file, 22, MapCells::Size, 4);
    put(file, 26, 1, 2);
    put(file, 28, 24, 2);
    put(file, 34, pixelBytes, 4);
    for (std::int32_t y = 0; y < MapCells::Size; ++y) {
        for (std::int32_t x = 0; x < MapCells::Size; ++x) {
            const std::uint32_t colour = colourOf(cells(x, y));
            // Bottom row first, blue-green-red; the colour is 0x00BBGGRR.
            const std::size_t at = headerBytes + std::size_t(MapCells::Size - 1 - y) * rowBytes + std::size_t(x) * 3;
            file[at] = static_cast<unsigned char>(colour >> 16);
            file[at + 1] = static_cast<unsigned char>(colour >> 8);
            file[at + 2] = static_cast<unsigned char>(colour);
        }
    }
    return file;
}
