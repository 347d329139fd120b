// SPDX-License-Identifier: MIT
#pragma once
// The two graphics calls the program makes: a pixel query and a scaled copy.

#include <cstdint>

#include "gfx/device_context.h"

// Plain source copy, the only raster operation there is.
inline constexpr std::uint32_t SRCCOPY = 0x00CC0020;
// What GetPixel answers for a point outside the image.
inline constexpr std::uint32_t CLR_INVALID = 0xFFFFFFFF;

// The colour at (x, y) as 0x00BBGGRR (red in the low byte).
std::uint32_t GetPixel(const DeviceContext& dc, std::int32_t x, std::int32_t y);

// Copies the source rectangle onto the destination rectangle with
// nearest-neighbour scaling, clipped to the destination image. Destination
// pixel i of a span of n takes source pixel floor((2i + 1) * m / 2n) of the
// source span of m, whether or not its neighbours were clipped away.
// Returns 0 (and draws nothing) when the source rectangle does not lie inside
// the source image or the raster operation is unknown, 1 otherwise.
int StretchBlt(const DeviceContext& destination, std::int32_t x, std::int32_t y,
               std::int32_t width, std::int32_t height, const DeviceContext& source,
               std::int32_t sourceX, std::int32_t sourceY, std::int32_t sourceWidth,
               std::int32_t sourceHeight, std::uint32_t rasterOperation);
