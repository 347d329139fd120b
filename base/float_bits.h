// SPDX-License-Identifier: MIT
#pragma once
// A 32-bit float's bits and back, for files that keep a float exactly
// (std::bit_cast is missing from the web build's library).

#include <cstdint>
#include <cstring>

inline std::uint32_t floatBits(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

inline float floatFromBits(std::uint32_t bits)
{
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
