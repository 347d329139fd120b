// SPDX-License-Identifier: MIT
#pragma once
// Pixels as the tests and the test tools read and compare them.

#include <cstdint>

#include "gfx/device_context.h"

inline std::uint32_t& pixel(const DeviceContext& dc, std::int64_t x, std::int64_t y)
{
    return dc.pixels[y * dc.pitch + x];
}

// How many pixels of `a` differ from those at the same places in `b`, which
// is at least as large. Only the colour bytes count, not the unused top byte.
inline long differingPixels(const DeviceContext& a, const DeviceContext& b)
{
    long count = 0;
    for (std::int64_t y = 0; y < a.height; ++y) {
        for (std::int64_t x = 0; x < a.width; ++x) count += ((pixel(a, x, y) ^ pixel(b, x, y)) & 0xFFFFFF) != 0;
    }
    return count;
}
