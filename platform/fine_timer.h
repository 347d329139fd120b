// SPDX-License-Identifier: MIT
#pragma once
// The wait between passes: until the millisecond clock (system_clock.h)
// turns to a given reading, on the finest timer each system has. Only the
// last stretch before the turn-over is watched on the clock; the rest is
// slept.

#include <cstdint>
#include <string_view>

class FineTimer {
public:
    FineTimer();
    ~FineTimer();
    FineTimer(const FineTimer&) = delete;
    FineTimer& operator=(const FineTimer&) = delete;

    // Returns once millisecondsSinceBoot() reads at least `reading`, and
    // within microseconds of the instant it turns to it unless the system
    // kept the program from running: sleeps until margin() before that
    // instant, then watches the clock.
    void waitForReading(std::int64_t reading) { waitForReading(reading, marginNanoseconds); }
    // The same with another margin, in nanoseconds, to measure what it
    // would do.
    void waitForReading(std::int64_t reading, std::int64_t margin);

    // Sleeps until the instant of nanosecondsSinceBoot(), or later, as the
    // system pleases; returns at once for an instant already past.
    void sleepUntil(std::int64_t instant);
    // How long before a turn-over the sleep ends, in nanoseconds.
    std::int64_t margin() const { return marginNanoseconds; }
    // Which timer sleeps, in a few words.
    std::string_view kind() const;

private:
    std::int64_t marginNanoseconds;
#ifdef _WIN32
    // A high-resolution waitable timer; none before Windows 10 version 1803,
    // where the 1 ms timer of timeBeginPeriod serves instead.
    void* highResolution = nullptr;
#elif !defined(__EMSCRIPTEN__)
    // Whether Linux gave the thread its shortest time slice.
    bool shortSliceGranted = false;
#endif
};
