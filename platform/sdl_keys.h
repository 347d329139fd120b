// SPDX-License-Identifier: MIT
#pragma once
// Turns SDL key events into the virtual-key codes of input/key_codes.h.

#include <SDL_keyboard.h>

#include <cstdint>
#include <optional>
#include <string_view>

// The virtual-key code of a key, or nothing for a key that has none.
std::optional<std::int16_t> virtualKeyCode(const SDL_Keysym& pressed);

// The virtual-key code of the key SDL calls `name` ("W", "Up", "Keypad 8",
// ","; any case), or nothing for a name SDL does not know or a key that has
// no code. Needs no SDL_Init.
std::optional<std::int16_t> virtualKeyCodeNamed(std::string_view name);
