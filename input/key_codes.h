// SPDX-License-Identifier: MIT
#pragma once
// The virtual-key codes that keyState is indexed by, one byte a key, named as
// on a US keyboard. A letter or digit key's code is its upper-case character
// ('A' is 65, '0' is 48). The six keys that move the player are the arrows,
// comma and full stop.

#include <cstddef>
#include <cstdint>

namespace vk {

using Code = std::int16_t;
inline constexpr std::size_t codeCount = 256;

inline constexpr Code backspace = 8, tab = 9, enter = 13;
inline constexpr Code shift = 16, control = 17, alt = 18, pause = 19, capsLock = 20;
inline constexpr Code escape = 27, space = 32;
inline constexpr Code pageUp = 33, pageDown = 34, end = 35, home = 36;
inline constexpr Code leftArrow = 37, upArrow = 38, rightArrow = 39, downArrow = 40;
inline constexpr Code select = 41, execute = 43, printScreen = 44, insert = 45, deleteKey = 46, help = 47;
inline constexpr Code digit0 = '0', letterA = 'A';
inline constexpr Code leftWindows = 91, rightWindows = 92, applications = 93, sleep = 95;
// The numeric keypad: digits 0 to 9 from numpad0 on, then its operators.
inline constexpr Code numpad0 = 96, multiply = 106, add = 107, separator = 108, subtract = 109,
                      decimal = 110, divide = 111;
// F1 to F24 in a row.
inline constexpr Code f1 = 112, f13 = 124;
inline constexpr Code numLock = 144, scrollLock = 145;
inline constexpr Code volumeMute = 173, volumeDown = 174, volumeUp = 175;
inline constexpr Code nextTrack = 176, previousTrack = 177, stopMedia = 178, playPause = 179;
// Punctuation keys. plus, comma, minus and fullStop are the keys that type
// those characters on every layout; the others are named by the US keyboard.
inline constexpr Code semicolon = 186, plus = 187, comma = 188, minus = 189, fullStop = 190,
                      slash = 191, grave = 192;
inline constexpr Code leftBracket = 219, backslash = 220, rightBracket = 221, apostrophe = 222;
inline constexpr Code angleBracket = 226;  // the extra key left of Z on European keyboards

}  // namespace vk
