// SPDX-License-Identifier: MIT
#pragma once
// A colour, and how a surface stores it.

#include <cstdint>

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    // As a surface's pixel holds it: 0x00RRGGBB.
    constexpr std::uint32_t pixel() const { return std::uint32_t{r} << 16 | std::uint32_t{g} << 8 | b; }
    // Each channel scaled by tenths / 10, for a darker shade.
    constexpr Rgb shade(int tenths) const
    {
        return {static_cast<std::uint8_t>(r * tenths / 10), static_cast<std::uint8_t>(g * tenths / 10),
                static_cast<std::uint8_t>(b * tenths / 10)};
    }
    static constexpr Rgb fromPixel(std::uint32_t pixel)
    {
        return {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
                static_cast<std::uint8_t>(pixel)};
    }
};
