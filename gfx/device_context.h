// SPDX-License-Identifier: MIT
#pragma once
// A device context: where the pixel calls read and write a surface's image.
// Pixels are 32-bit 0x00RRGGBB words (no alpha, so nothing ever blends), and
// a row is `pitch` pixels long.

#include <cstdint>

struct DeviceContext {
    std::uint32_t* pixels = nullptr;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t pitch = 0;
};
