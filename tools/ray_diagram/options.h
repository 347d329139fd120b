// SPDX-License-Identifier: MIT
#pragma once
// What the command line asks for.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct Options {
    std::string output;
    // The middle of the start cell, looking down the level picture.
    double x = 2.5;
    double y = 2.5;
    std::int32_t heading = 0;
    std::string level = "assets/map.bmp";
    // A folder with backdrop.bmp and texture1.bmp .. texture5.bmp; without
    // one, the pictures built into the program.
    std::optional<std::string> pictures;
    // Screen columns to mark; empty for a few spread over the view.
    std::vector<std::int32_t> marks;
    // The level picture shows 64 / zoom cells a side around the player.
    std::int32_t zoom = 1;
    // The program's window at twice its size instead of the diagram.
    bool window = false;
    bool help = false;
};

inline constexpr std::string_view usage =
    "usage: ray_diagram [--at X,Y] [--heading DEGREES] [--level MAP.bmp] [--pictures FOLDER]\n"
    "                   [--mark COLUMN,...] [--zoom 1|2|4|8] [--window] OUT.png\n"
    "\n"
    "Writes the view from (X, Y) facing DEGREES as the program draws it, next to the\n"
    "level seen from above with every ray of that frame. Defaults: the start, 2.5,2.5\n"
    "facing 0 (down the level picture; 90 faces its right edge), and assets/map.bmp\n"
    "(run from the top of the source tree).\n"
    "  --pictures  backdrop.bmp and texture1.bmp .. texture5.bmp from FOLDER instead\n"
    "              of the pictures built into the program\n"
    "  --mark      screen columns (0 = left edge) tied by colour to their rays\n"
    "  --zoom      show 64 / ZOOM cells a side of the level around the player\n"
    "  --window    write only the program's window, at twice its size\n"
    "Exit status: 0 when the picture is written; 2, after one line saying why, when an\n"
    "argument, picture or position cannot be used or OUT.png cannot be written; a\n"
    "level the program would refuse is refused with the lines the program prints.\n";

// Throws InputError naming the argument it cannot use.
Options parseOptions(std::span<const std::string_view> arguments);
