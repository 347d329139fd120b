// SPDX-License-Identifier: MIT
#pragma once
// A small bitmap font of printable ASCII for the map panel's status line and
// the ray diagram's labels, so the text comes out the same on every machine
// without a font library.

#include <cstdint>

namespace font {

inline constexpr std::int32_t glyphWidth = 5;
// Capitals and digits use the top 7 rows; g, j, p, q, y and the comma reach
// into the two below.
inline constexpr std::int32_t glyphHeight = 9;
inline constexpr std::int32_t advance = glyphWidth + 1;

// Whether pixel (x, y) of the glyph of `c` is ink. A character outside
// printable ASCII shows as an open box.
bool ink(char c, std::int32_t x, std::int32_t y);
// The same for the whole glyph: pixel (x, y) is bit y * glyphWidth + x.
std::uint64_t inkBits(char c);

}  // namespace font
