// SPDX-License-Identifier: MIT
#include "platform/fine_timer.h"

#include <algorithm>
#include <limits>

#include "platform/system_clock.h"

#if defined(__EMSCRIPTEN__)
#include "platform/browser_clock.h"
#elif defined(_WIN32)
#include <windows.h>
#include <timeapi.h>
// Windows 10 version 1803 and later; older MinGW headers lack the name.
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif
#else
#include <cerrno>
#include <linux/sched.h>
#include <linux/sched/types.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>
#endif

namespace {

// How early the sleep stops. A sleep that wakes later than the turn-over
// still ends its pass on the right reading, unless it wakes a whole
// millisecond after it; and every microsecond of margin is one spent
// watching the clock in every pass. Measured with tools/sleep_overrun on a
// 2-core virtual machine at normal priority. Quiet, its sleeps overshoot by
// about 50 us at the median and 370 us at the 99th percentile, and no wait
// with a margin of 25 us or more ended late. Beside two busy loops, with the
// short time slice, they overshoot by 9 us at the median, but a few in
// 10,000 by a whole 4 ms scheduler tick, beyond any margin a cheap wait can
// afford. There a longer margin does harm: watching the clock for longer
// than the thread's 0.1 ms time slice gets it preempted by a busy neighbour.
// Whole waits ended late 9 to 14 times in 10,000 with margins of 0 to 50 us,
// 75 times with 100 us and 1,481 with 1 ms.
#if defined(__EMSCRIPTEN__)
// A browser wakes a page on its own schedule, in whole milliseconds.
constexpr std::int64_t wakeMargin = 1'000'000;
#elif defined(_WIN32)
// Not measured on Windows itself.
constexpr std::int64_t wakeMargin = 100'000;
// The 1 ms timer wakes on its next tick after the time asked for.
constexpr std::int64_t coarseWakeMargin = 1'000'000;
#else
constexpr std::int64_t wakeMargin = 50'000;
// The shortest time slice Linux grants, in nanoseconds.
constexpr std::uint64_t shortSlice = 100'000;
#endif

}  // namespace

#if defined(_WIN32) && !defined(__EMSCRIPTEN__)
FineTimer::FineTimer()
    : marginNanoseconds(wakeMargin),
      highResolution(CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                            TIMER_ALL_ACCESS))
{
    if (highResolution) return;
    marginNanoseconds = coarseWakeMargin;
    timeBeginPeriod(1);
}

FineTimer::~FineTimer()
{
    if (highResolution) {
        CloseHandle(highResolution);
    } else {
        timeEndPeriod(1);
    }
}

std::string_view FineTimer::kind() const
{
    return highResolution ? "high-resolution waitable timer" : "1 ms timer (timeBeginPeriod)";
}

void FineTimer::sleepUntil(std::int64_t instant)
{
    const std::int64_t left = instant - nanosecondsSinceBoot();
    if (left <= 0) return;
    if (!highResolution) {
        // Whole milliseconds, rounded down: the tick after them may be up
        // to 1 ms later.
        Sleep(static_cast<DWORD>(std::min<std::int64_t>(left / nanosecondsPerMillisecond, 1000)));
        return;
    }
    // A negative due time is relative, in units of 100 ns.
    LARGE_INTEGER due{};
    due.QuadPart = -std::max<std::int64_t>(left / 100, 1);
    if (SetWaitableTimer(highResolution, &due, 0, nullptr, nullptr, FALSE)) {
        WaitForSingleObject(highResolution, INFINITE);
    }
}
#else
FineTimer::FineTimer() : marginNanoseconds(wakeMargin)
{
#ifndef __EMSCRIPTEN__
    // Linux lets a sleep of a program at normal priority end up to 50 us
    // late, to wake it together with others; this one's wake-ups are
    // timed, and there are only about a hundred of them a second.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    // A thread that wakes while the other programs keep every core busy
    // waits for the running one's time slice to end, 3 ms by default. Since
    // Linux 6.12 a thread at normal priority may ask for a shorter slice,
    // and one that wakes with a shorter slice than the running thread's
    // takes the core at once. A pass draws in far less than this one, so it
    // is seldom cut short. Older kernels ignore the request.
    // Only the slice changes: a program started with nice or at real-time
    // priority keeps them.
    sched_attr attributes{};
    if (syscall(SYS_sched_getattr, 0, &attributes, sizeof attributes, 0U) != 0) return;
    if (attributes.sched_policy != SCHED_NORMAL) return;
    attributes.sched_runtime = shortSlice;
    if (syscall(SYS_sched_setattr, 0, &attributes, 0U) != 0) return;
    // A kernel that keeps the slice reports it back.
    attributes = {};
    shortSliceGranted = syscall(SYS_sched_getattr, 0, &attributes, sizeof attributes, 0U) == 0 &&
                        attributes.sched_runtime == shortSlice;
#endif
}

FineTimer::~FineTimer() = default;

#ifdef __EMSCRIPTEN__
std::string_view FineTimer::kind() const { return "the browser's timer (emscripten_sleep)"; }

void FineTimer::sleepUntil(std::int64_t instant)
{
    // The page gets the time: it draws and delivers keys meanwhile.
    const std::int64_t left = (instant - nanosecondsSinceBoot()) / nanosecondsPerMillisecond;
    if (left > 0) browserSleep(static_cast<std::int32_t>(std::min<std::int64_t>(left, 1000)));
}
#else
std::string_view FineTimer::kind() const
{
    return shortSliceGranted ? "clock_nanosleep on the monotonic clock, 0.1 ms time slice"
                             : "clock_nanosleep on the monotonic clock";
}

void FineTimer::sleepUntil(std::int64_t instant)
{
    timespec until{};
    until.tv_sec = static_cast<time_t>(instant / 1'000'000'000);
    until.tv_nsec = static_cast<long>(instant % 1'000'000'000);
    // Until that instant, however often a signal cuts the sleep short.
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}
#endif
#endif

void FineTimer::waitForReading(std::int64_t reading, std::int64_t margin)
{
    // Both clamps keep turnOver - margin inside 64 bits for any reading.
    constexpr std::int64_t longestMargin = 1'000'000'000;
    constexpr std::int64_t latest =
        (std::numeric_limits<std::int64_t>::max() - longestMargin) / nanosecondsPerMillisecond;
    margin = std::clamp<std::int64_t>(margin, 0, longestMargin);
    const std::int64_t turnOver = std::clamp(reading, -latest, latest) * nanosecondsPerMillisecond;
    if (nanosecondsSinceBoot() < turnOver - margin) sleepUntil(turnOver - margin);
    while (nanosecondsSinceBoot() < turnOver) {
    }
}
