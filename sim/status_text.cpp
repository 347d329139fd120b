// SPDX-License-Identifier: MIT
#include "sim/status_text.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "assets/map_decoding.h"
#include "base/checked.h"
#include "sim/game_state.h"

std::string_view TextLine::print(const char* format, ...)
{
    std::va_list arguments;
    va_start(arguments, format);
    const int written = std::vsnprintf(chars.data(), chars.size(), format, arguments);
    va_end(arguments);
    length = std::min(static_cast<std::size_t>(std::max(written, 0)), chars.size() - 1);
    return view();
}

void TextLine::assign(std::string_view text)
{
    length = std::min(text.size(), chars.size() - 1);
    std::copy_n(text.begin(), length, chars.begin());
}

std::string_view noteText(const EditNote& note, TextLine& line)
{
    const int x = note.cell.x;
    const int y = note.cell.y;
    switch (note.kind) {
    case EditNote::None: return line.print("%s", "");
    case EditNote::Border: return line.print("pixel (%d, %d): the border stays wall", x, y);
    case EditNote::Start: return line.print("pixel (%d, %d): the start cell stays open floor", x, y);
    case EditNote::Player: return line.print("pixel (%d, %d): you stand there; step away first", x, y);
    case EditNote::NoFloor: return line.print("pixel (%d, %d) is wall: stand on open floor", x, y);
    case EditNote::NothingToUndo: return line.print("nothing to undo");
    case EditNote::NothingToRedo: return line.print("nothing to redo");
    case EditNote::UndoWallsPlayer:
        return line.print("pixel (%d, %d): you stand where that walls; step away first", x, y);
    case EditNote::Text: return line.print("%s", note.text.c_str());
    }
    return line.print("%s", "");
}

std::string_view cellText(const MapCells& cells, std::int64_t x, std::int64_t y, TextLine& line)
{
    const std::int16_t code = cells(x, y);
    if (code == 0) return line.print("pixel (%d, %d): open floor (%s)", int(x), int(y), colourName(code));
    return line.print("pixel (%d, %d): wall %d (%s)", int(x), int(y), int(code), colourName(code));
}

std::string_view playerText(const GameState& state, TextLine& line)
{
    const std::int32_t heading = checked::toInt32(state.playerAngle, "playerAngle");
    return line.print("you: pixel (%d, %d), heading %d", int(checked::floorToInt(state.playerX, "playerX")),
                      int(checked::floorToInt(state.playerY, "playerY")), (heading % 360 + 360) % 360);
}
