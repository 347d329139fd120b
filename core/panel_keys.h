// SPDX-License-Identifier: MIT
#pragma once
// The keys that belong to the map panel while it is given (--map or --edit):
// Tab shows and hides it, a digit chooses a kind of cell, and every key
// pressed with Ctrl is a command. They never reach the held-key table, so
// no binding can walk with them (with --keys wasd, Ctrl+S saves and does not
// walk backward), and --bind refuses them.

#include "assets/picture_sizes.h"
#include "input/key_codes.h"

// The digit keys on the main rows and the keypad that choose a kind: 0 to
// the highest wall code.
inline bool isKindKey(vk::Code key)
{
    return (key >= vk::digit0 && key <= vk::digit0 + highestWallCode) ||
           (key >= vk::numpad0 && key <= vk::numpad0 + highestWallCode);
}

// The kind of cell a kind key chooses.
inline std::int16_t kindOfKey(vk::Code key)
{
    return static_cast<std::int16_t>(key >= vk::numpad0 ? key - vk::numpad0 : key - vk::digit0);
}

inline bool isPanelKey(vk::Code key, bool withControl)
{
    return withControl || key == vk::tab || isKindKey(key);
}
