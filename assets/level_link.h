// SPDX-License-Identifier: MIT
#pragma once
// A level written as a short text for the address of a web page
// (`#level=...`), so a level can be shared as a link.
//
// The text is the version "1", the cells, then a checksum, all in the
// URL-safe letters A-Z a-z 0-9 - _ (worth 0 to 63 in that order).
//
// The cells go row by row, x fastest, as one sequence of runs (a run may go
// on into the next row). A run's first letter is worth 8 k + r: k is a cell
// code 0 to 6 (6 only once a seventh wall has a texture), or 7 for "each
// cell the same as the one above it"; r from 0 to 6 stands for r + 1 cells,
// and r = 7 for 8 + n cells, n following in one to three letters of five
// bits each, low bits first, with 32 added to each but the last. A hall's
// rows repeat the row above and a wall is a run, so most of a level costs
// nothing.
//
// The checksum is the CRC-24 of OpenPGP (RFC 4880) over the 4,096 codes as
// bytes, row by row, in four letters of six bits, high bits first.
//
// For example, a hall walled with code 2 and a red wall (3) at (5, 1) is
// "1X4BQDYHxBQQH2BQ_43DX4BBYK9": row 0 is X4B (code 2, 8 + 56 cells), row 1
// Q D Y HxB Q, row 2 Q H2B Q, rows 3 to 62 _43D (copies, 8 + 3832 cells), row
// 63 X4B again, then the checksum BYK9.

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
