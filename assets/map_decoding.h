// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

class MapCells;
class Surface;

struct LevelColour {
    std::uint32_t colour;  // 0x00BBGGRR, as GetPixel answers
    std::int16_t code;
    const char* name;  // as the README's colour table gives it
};

// Tested in this order; the first exact match wins.
inline constexpr std::array levelColours{
    LevelColour{0x00000000, 0, "black"},  // open floor
    LevelColour{0x0000FFFF, 1, "yellow"},
    LevelColour{0x00FFFFFF, 2, "white"},
    LevelColour{0x000000FF, 3, "red"},
    LevelColour{0x00FF0000, 4, "blue"},
    LevelColour{0x0000FF00, 5, "green"},
};

// The name of a cell code's colour: "white" for 2.
constexpr const char* colourName(std::int16_t code)
{
    for (const LevelColour& entry : levelColours) {
        if (entry.code == code) return entry.name;
    }
    return "no colour";
}

// Reads the level picture column by column, top to bottom, into cell codes.
// A colour outside the table repeats the code of the pixel read just before it.
void decodeMap(const Surface& picMap, MapCells& mapCells);
