#pragma once
// The rules an edited level picture must keep; checked when the program is built.

#include <string>
#include <vector>

#include "render/surface.h"

struct LevelReport {
    std::vector<std::string> errors;    // each names the pixel and the rule
    std::vector<std::string> warnings;  // unlisted colours
};

LevelReport checkLevel(const Surface& picMap);
