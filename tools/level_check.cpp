// SPDX-License-Identifier: MIT
// Checks the pictures before they are compiled into the program.
// Usage: level_check [--unknown-colours-warn] MAP.bmp BACKDROP.bmp [TEXTURE.bmp...]
// Each file must be a BMP of its size that loads, and the map must keep the
// level's rules. Each picture ends with a line counting its errors and
// warnings. Errors stop the build (exit status 1); warnings only inform.
// A map pixel of none of the level colours is an error, or with
// --unknown-colours-warn a warning (its cell repeats the code read before it).

#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "assets/level_picture.h"
#include "assets/level_rules.h"
#include "assets/picture_file.h"
#include "assets/picture_report.h"
#include "assets/picture_sizes.h"
#include "gfx/surface.h"

namespace {

// Checks one picture and prints what it finds; returns whether there were
// errors. The map is checked as the program checks a level from outside.
bool check(std::string_view path, PictureSize wanted, bool isMap, UnknownColours unknownColours)
{
    if (isMap) {
        const LevelPicture level = readLevelPicture(path, unknownColours);
        std::cerr << level.lines;
        return !level.picture;
    }
    PictureReport report(path);
    const PictureFile file = readPictureFile(path, wanted, false);
    std::string problem = file.problem;
    if (problem.empty()) Surface::decodeBmp(file.bytes, problem);
    if (!problem.empty()) report.add(true, problem);
    std::cerr << report.lines();
    return report.errors() > 0;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string_view> paths(argv + 1, argv + argc);
    UnknownColours unknownColours = UnknownColours::Error;
    if (!paths.empty() && paths.front() == "--unknown-colours-warn") {
        unknownColours = UnknownColours::Warning;
        paths.erase(paths.begin());
    }
    const bool option =
        std::any_of(paths.begin(), paths.end(), [](std::string_view path) { return path.starts_with('-'); });
    if (paths.size() < 2 || option) {
        std::cerr << "usage: level_check [--unknown-colours-warn] MAP.bmp BACKDROP.bmp [TEXTURE.bmp...]\n";
        return 2;
    }
    bool failed = check(paths[0], mapPictureSize, true, unknownColours);
    failed |= check(paths[1], backdropPictureSize, false, unknownColours);
    for (std::size_t i = 2; i < paths.size(); ++i) failed |= check(paths[i], texturePictureSize, false, unknownColours);
    return failed ? 1 : 0;
}
