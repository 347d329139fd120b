// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// The system's steady clock in nanoseconds since it started: the monotonic
// clock on Linux, the performance counter on Windows, the page's clock in a
// browser (there counted from 1970, and as fine as the browser allows).
std::int64_t nanosecondsSinceBoot();

constexpr std::int64_t nanosecondsPerMillisecond = 1'000'000;

// The same clock in whole milliseconds, 64 bits wide so it never wraps.
// Derived from nanosecondsSinceBoot(), so reading N begins at the instant
// N * nanosecondsPerMillisecond exactly, which is what lets a wait sleep
// until just before a reading turns over.
inline std::int64_t millisecondsSinceBoot() { return nanosecondsSinceBoot() / nanosecondsPerMillisecond; }
