// SPDX-License-Identifier: MIT
#pragma once
// The clock and the sleep of a program in a web page (emscripten).

#include <cstdint>

// Nanoseconds on the wall clock (since 1970), like the desktop's clock a
// count that is already large when the program starts.
std::int64_t browserNanoseconds();

// Hands control back to the browser for at least the given time. Only then
// does the page draw the canvas, deliver keys and call the program's
// exported functions: a program that never calls this freezes its tab.
// Every function that may be on the stack here is named in the
// ASYNCIFY_ONLY list in cmake/web.cmake; a new caller goes there too.
void browserSleep(std::int32_t milliseconds);
