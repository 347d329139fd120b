// SPDX-License-Identifier: MIT
#include "platform/browser_clock.h"

#include <emscripten.h>

#include <algorithm>

#include "base/checked.h"

namespace {

// The steady clock counts from the page's load, so the first pass of the
// main loop would find less than a second since "0" and not write its first
// caption at once, as it does on the desktop.
EM_JS(double, wallClock, (), { return performance.timeOrigin + performance.now(); });

}  // namespace

std::int64_t browserNanoseconds() { return checked::floorToInt(wallClock() * 1e6, "browser clock"); }

void browserSleep(std::int32_t milliseconds) { emscripten_sleep(static_cast<unsigned>(std::max(milliseconds, 0))); }
