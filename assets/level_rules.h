// SPDX-License-Identifier: MIT
#pragma once
// The rules an edited level picture must keep; checked when the program is
// built, and when it is given a level from outside.

#include <string>
#include <vector>

class Surface;

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
