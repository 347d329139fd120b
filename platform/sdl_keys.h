// SPDX-License-Identifier: MIT
#pragma once
// Turns SDL key events into the virtual-key codes of input/key_codes.h.

#include <SDL_keyboard.h>

#include <cstdint>
#include <optional>

// The virtual-key code of a key, or nothing for a key that has none.
std::optional<std::int16_t> virtualKeyCode(const SDL_Keysym& pressed);

