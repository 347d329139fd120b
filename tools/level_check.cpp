// Checks the level picture before it is compiled into the program.
// Usage: level_check MAP.bmp [PICTURE.bmp...]
// Every file must load as a picture; the map must also keep the level's
// rules. Errors stop the build (exit status 1); warnings only inform.

#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "assets/level_rules.h"
#include "core/checked.h"
#include "render/surface.h"

namespace {

std::optional<Surface> load(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << path << ": error: cannot read the file\n";
        return std::nullopt;
    }
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    try {
        return Surface::fromBmp(bytes, path);
    } catch (const RuntimeError& error) {
        std::cerr << path << ": error: " << error.what() << '\n';
        return std::nullopt;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: level_check MAP.bmp [PICTURE.bmp...]\n";
        return 2;
    }
    bool failed = false;
    for (int i = 2; i < argc; ++i) failed |= !load(argv[i]);

    const std::string mapPath = argv[1];
    const std::optional<Surface> map = load(mapPath);
    if (!map) return 1;
    const LevelReport report = checkLevel(*map);
    for (const std::string& warning : report.warnings) std::cerr << mapPath << ": warning: " << warning << '\n';
    for (const std::string& error : report.errors) std::cerr << mapPath << ": error: " << error << '\n';
    return failed || !report.errors.empty() ? 1 : 0;
}
