// SPDX-License-Identifier: MIT
#include "gfx/frame_copy.h"

#include <cstring>
#include <ctime>

#include "gfx/surface.h"

double processorSeconds() { return double(std::clock()) / CLOCKS_PER_SEC; }

double frameCopySeconds(const Surface& from, Surface& to, std::int64_t copies)
{
    const DeviceContext source = from.hDC();
    const DeviceContext target = to.hDC();
    const std::size_t bytes = std::size_t(source.pitch) * std::size_t(source.height) * sizeof *source.pixels;
    const double start = processorSeconds();
    for (std::int64_t i = 0; i < copies; ++i) {
        std::memcpy(target.pixels, source.pixels, bytes);
        // Each copy is made: none is dropped as overwritten by the next.
        asm volatile("" : : "r"(target.pixels) : "memory");
    }
    return (processorSeconds() - start) / double(copies);
}
