// SPDX-License-Identifier: MIT
#pragma once
// Flags are 16-bit with all bits set for true, and nothing else is ever stored.

#include <cstdint>

// True is -1 rather than 1 on purpose: with every bit set, a bitwise not of
// trueFlag is falseFlag and bitwise and/or of two flags agree with the
// logical operators, so a flag combined either way never becomes a third
// value. (The names are not True and False, which X11's headers define as
// macros.)
using Flag = std::int16_t;
inline constexpr Flag trueFlag = -1;
inline constexpr Flag falseFlag = 0;
