// SPDX-License-Identifier: MIT
#pragma once
// The level grid: 64 x 64 cell codes addressed (x, y) = (column, row), x
// varying fastest. Code 0 is open floor; any other code is a wall whose value
// also selects its texture.

#include <array>
#include <cstdint>

#include "assets/picture_sizes.h"
#include "base/checked.h"

class MapCells {
public:
    // One cell a pixel of the square level picture.
    static constexpr int Size = mapPictureSize.width;
    static_assert(mapPictureSize.width == mapPictureSize.height);

    std::int16_t& operator()(std::int64_t x, std::int64_t y) { return cells[offset(x, y)]; }
    std::int16_t operator()(std::int64_t x, std::int64_t y) const { return cells[offset(x, y)]; }

    bool operator==(const MapCells&) const = default;

private:
    static std::size_t offset(std::int64_t x, std::int64_t y)
    {
        return checked::index(y, Size, "mapCells y") * Size + checked::index(x, Size, "mapCells x");
    }

    std::array<std::int16_t, Size * Size> cells{};
};

struct CellPosition {
    std::int32_t x;
    std::int32_t y;
};

// The player starts in the middle of this cell, looking along +y; the level
// check refuses a level where it is not open floor.
inline constexpr CellPosition startCell{2, 2};
