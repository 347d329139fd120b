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
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "assets/level_rules.h"
#include "assets/picture_file.h"
#include "assets/picture_sizes.h"
#include "base/checked.h"
#include "gfx/surface.h"

namespace {

// Of the pixels that break one rule, this many are named; the rest are counted.
constexpr std::size_t shownPerRule = 5;

std::string counted(std::size_t count, std::string_view noun)
{
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

// Checks one picture and prints what it finds; returns whether there were errors.
bool check(std::string_view path, PictureSize wanted, bool isMap, UnknownColours unknownColours)
{
    std::size_t errors = 0;
    std::size_t warnings = 0;
    const auto print = [path](bool isError, std::string_view message) {
        std::cerr << path << (isError ? ": error: " : ": warning: ") << message << '\n';
    };

    const PictureFile file = readPictureFile(path, wanted, isMap);
    std::optional<Surface> picture;
    if (file.problem.empty()) {
        try {
            picture = Surface::fromBmp(file.bytes, path);
        } catch (const RuntimeError& error) {
            print(true, error.what());
            ++errors;
        }
    } else {
        print(true, file.problem);
        ++errors;
    }
    if (picture && isMap) {
        for (const BrokenRule& rule : checkLevel(*picture, unknownColours)) {
            const std::size_t shown = std::min(rule.pixels.size(), shownPerRule);
            for (std::size_t i = 0; i < shown; ++i) print(rule.isError, rule.pixels[i]);
            if (rule.pixels.size() > shown) {
                print(rule.isError, "and " + counted(rule.pixels.size() - shown, "more pixel") + " like this");
            }
            (rule.isError ? errors : warnings) += rule.pixels.size();
        }
    }
    std::cerr << path << ": " << counted(errors, "error") << ", " << counted(warnings, "warning") << '\n';
    return errors > 0;
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
