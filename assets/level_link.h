// SPDX-License-Identifier: MIT
#pragma once
// A level written as a short text for the address of a web page
// (`#level=...`), so a level can be shared as a link.
//
// The text is the version "1", the cells, then a 24-bit checksum of the
// cells in four characters, all in the URL-safe letters A-Z a-z 0-9 - _
// (worth 0 to 63 in that order). The cells go row by row, x fastest, as
// runs: a run's first character is worth 8 k + r, where k is a cell code
// 0 to 6 (6 only once a seventh wall has a texture), or 7 for "each cell the
// same as the one above it", and r from 0 to 6 stands for r + 1 cells; r = 7
// means 8 + n cells, n following in one to three characters of five bits
// each, low bits first, the 32 bit set on each but the last. A hall's rows repeat the row above and a wall is a run, so
// most of a level costs nothing.

#include <cstddef>
#include <string>
#include <string_view>

#include "assets/map_cells.h"

// The longest text a level can take: no run is shorter than a character.
inline constexpr std::size_t longestLevelLink = 1 + MapCells::Size * MapCells::Size + 4;

// The cells must hold only the level's codes, 0 to highestWallCode.
std::string levelLink(const MapCells& cells);

struct LevelLinkReading {
    MapCells cells;       // all of the level, when nothing is wrong with the text
    std::string problem;  // otherwise what is, in one line
};

// Reads a text that `levelLink` wrote. Whatever else it is given, it refuses
// in one line, having looked at no more than longestLevelLink characters;
// it allocates nothing but that line.
LevelLinkReading readLevelLink(std::string_view text);
