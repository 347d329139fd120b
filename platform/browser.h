// SPDX-License-Identifier: MIT
#pragma once
// What the program asks of the page it runs in, when built for the web.

#include <cstdint>

// Nanoseconds on the wall clock (since 1970), like the desktop's clock a
// count that is already large when the program starts.
std::int64_t browserNanoseconds();

// Hands control back to the browser for at least the given time. Only then
// does the page draw the canvas and deliver keys: a program that never
// calls this freezes its tab.
void browserSleep(std::int32_t milliseconds);
