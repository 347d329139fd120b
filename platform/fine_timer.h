// SPDX-License-Identifier: MIT
#pragma once

// Windows wakes a sleeping program on its timer's tick, every 15.6 ms unless
// some program asks for a finer one, and the wait between passes sleeps for
// a few milliseconds at a time. While one of these lives the timer ticks
// every millisecond; elsewhere it does nothing.
class FineTimer {
public:
    FineTimer();
    ~FineTimer();
    FineTimer(const FineTimer&) = delete;
    FineTimer& operator=(const FineTimer&) = delete;
};
