// SPDX-License-Identifier: MIT
#pragma once
// The cheapest way to fill a surface, the yardstick of the drawing benchmarks:
// a memcpy of a finished frame, timed right after the work it is compared
// with, for as many frames.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <ctime>

#include "gfx/surface.h"

// Microseconds a frame for `frames` copies of `from` into `to`.
inline double copyMicroseconds(const Surface& from, Surface& to, benchmark::IterationCount frames)
{
    const DeviceContext source = from.hDC();
    const DeviceContext target = to.hDC();
    const std::size_t bytes = std::size_t(source.pitch) * std::size_t(source.height) * sizeof(std::uint32_t);
    // Processor time, as the benchmark library measures it: the program runs
    // one thread.
    const std::clock_t start = std::clock();
    for (benchmark::IterationCount i = 0; i < frames; ++i) {
        std::memcpy(target.pixels, source.pixels, bytes);
        benchmark::ClobberMemory();
    }
    return double(std::clock() - start) * 1e6 / CLOCKS_PER_SEC / double(frames);
}
