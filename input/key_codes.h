#pragma once
// Turns SDL key events into the 0..255 virtual-key code space that keyState
// is indexed by.

#include <SDL_keyboard.h>

#include <cstdint>
#include <optional>

// The virtual-key code of a key, or nothing for a key that has none.
std::optional<std::int16_t> virtualKeyCode(const SDL_Keysym& key);

// The shift state of a key event: 1 shift, 2 control, 4 alt.
std::int16_t shiftMask(std::uint16_t modifiers);
