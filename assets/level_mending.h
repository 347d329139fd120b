// SPDX-License-Identifier: MIT
#pragma once
// A level picture that breaks the rules, mended so that it can be edited
// and repaired: each pixel of no level colour read as the nearest level
// colour, each open cell of the outer ring walled, the start cell opened.
// Each mend is one line that names the pixel as the level check does.

#include <cstdint>
#include <string>
#include <vector>

#include "assets/map_cells.h"

class Surface;

// The wall that closes a hole in the border and stands round a new level:
// white, as round the built-in level.
inline constexpr std::int16_t borderWall = 2;

struct MendedLevel {
    MapCells cells;
    std::vector<std::string> mends;  // "pixel (0, 30): open cell on the outer ring; walled (white)"
};

// The picture must be of the level's size.
MendedLevel mendLevel(const Surface& picture);

// Open floor walled all round: what a level that does not exist yet starts as.
MapCells walledHall();
