// SPDX-License-Identifier: MIT
#pragma once
// The lines of the status line under the map while editing: what the last
// action did or why a cell was left as it was, the cell under the pointer
// named as the level check names pixels, and where the player stands. Each
// is written into a buffer of fixed size, so nothing is allocated however
// often the pointer moves.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sim/level_editor.h"

struct GameState;

class TextLine {
public:
    [[gnu::format(printf, 2, 3)]] std::string_view print(const char* format, ...);
    // As much of `text` as fits.
    void assign(std::string_view text);
    std::string_view view() const { return {chars.data(), length}; }

private:
    std::array<char, 160> chars{};
    std::size_t length = 0;
};

std::string_view noteText(const EditNote& note, TextLine& line);
// "pixel (12, 34): wall 2 (white)" or "pixel (3, 4): open floor (black)".
std::string_view cellText(const MapCells& cells, std::int64_t x, std::int64_t y, TextLine& line);
// "you: pixel (2, 2), heading 90"
std::string_view playerText(const GameState& state, TextLine& line);
