// SPDX-License-Identifier: MIT
#include "platform/system_clock.h"

#if defined(__EMSCRIPTEN__)
#include "platform/browser_clock.h"
#elif defined(_WIN32)
#include <windows.h>
#else
#include <time.h>
#endif

std::int64_t nanosecondsSinceBoot()
{
#if defined(__EMSCRIPTEN__)
    return browserNanoseconds();
#elif defined(_WIN32)
    static const std::int64_t perSecond = [] {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        return std::int64_t{frequency.QuadPart};
    }();
    LARGE_INTEGER count{};
    QueryPerformanceCounter(&count);
    // In two parts, so that counts times a billion never overflows.
    const std::int64_t seconds = count.QuadPart / perSecond;
    const std::int64_t rest = count.QuadPart % perSecond;
    return seconds * 1'000'000'000 + rest * 1'000'000'000 / perSecond;
#else
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
#endif
}
