// SPDX-License-Identifier: MIT
#pragma once
// The rules an edited level picture must keep; checked when the program is
// built, and when it is given a level from outside.

#include <cstdint>
#include <string>
#include <vector>

class Surface;
struct LevelColour;

// Every pixel that breaks one rule, in the order the decoder reads them.
struct BrokenRule {
    bool isError = true;              // otherwise a warning: the level still works
    std::vector<std::string> pixels;  // one message a pixel, naming it and the rule
};

// What a pixel of none of the level colours is. The decoder lets its cell
// repeat the code read before it, but a paint program's near-red or
// anti-aliased edge is almost always a slip that would leave a hole in a
// wall, so it is an error unless a level relies on the repeat on purpose.
enum class UnknownColours { Error, Warning };

// The picture must be the level's size; the file check sees to that before
// anything is decoded. Returns only the rules that are broken.
std::vector<BrokenRule> checkLevel(const Surface& picMap, UnknownColours unknownColours = UnknownColours::Error);

// The level colour closest to a colour (0x00BBGGRR) by plain RGB distance:
// the squared differences of red, green and blue summed, unweighted, with no
// model of how the eye sees them; on a tie the earlier colour of the table.
// It only suggests what the painter meant.
const LevelColour& nearestLevelColour(std::uint32_t colour);
// "pixel (2, 3): ", as every finding about a cell begins.
std::string pixelText(std::int64_t x, std::int64_t y);
// "(237, 28, 36)": red, green and blue.
std::string rgbText(std::uint32_t colour);
// Whether a cell lies on the outer ring, which must be wall.
bool onOuterRing(std::int64_t x, std::int64_t y);
