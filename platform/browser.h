// SPDX-License-Identifier: MIT
#pragma once
// What the program asks of the page it runs in, when built for the web, and
// what the page asks of it: the levels it opens (exported functions, see
// browser.cpp).

#include <cstdint>
#include <string_view>

// Nanoseconds on the wall clock (since 1970), like the desktop's clock a
// count that is already large when the program starts.
std::int64_t browserNanoseconds();

// Hands control back to the browser for at least the given time. Only then
// does the page draw the canvas and deliver keys: a program that never
// calls this freezes its tab. The levels the page opened meanwhile are then
// in SDL's queue, as files dropped on the window.
void browserSleep(std::int32_t milliseconds);

// The lines of a refused level picture; the page shows them.
void browserRefusal(std::string_view lines);
// After the handler of a dropped file: the page hears whether the level was
// taken, and if it was, its "Copy link" gives that level from now on.
void browserLevelDropped(std::string_view path);
