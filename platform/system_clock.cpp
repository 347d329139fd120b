// SPDX-License-Identifier: MIT
#include "platform/system_clock.h"

#include <chrono>

#ifdef __EMSCRIPTEN__
#include "platform/browser.h"
#endif

std::int64_t millisecondsSinceBoot()
{
#ifdef __EMSCRIPTEN__
    return browserMilliseconds();
#endif
    // On Linux the steady clock is the monotonic clock, which counts from boot.
    const auto sinceBoot = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(sinceBoot).count();
}
