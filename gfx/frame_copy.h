// SPDX-License-Identifier: MIT
#pragma once
// What the renderer's speed is told against: the cheapest way to fill a
// surface, a plain copy of a finished frame of the same size over it. The
// benchmark and the timedemo give a frame's drawing time as a multiple of
// it, both timed in the same run, so the figure says little of the machine.

#include <cstdint>

class Surface;

// Processor seconds used so far, as the C library counts them: the program
// runs one thread, so this is its own work, whatever else the machine does.
double processorSeconds();

// Processor seconds per copy, over `copies` copies of `from` onto `to`,
// which is as large.
double frameCopySeconds(const Surface& from, Surface& to, std::int64_t copies);
