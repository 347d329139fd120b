// SPDX-License-Identifier: MIT
#pragma once
// The walks of a web page: "Record" and "Stop", whose walk the page then
// shares as a link, a walk link from the page's address to play, and the
// "Mouse" switch. The page asks through the functions page_walks.cpp
// exports, at any time; what it asks waits for the main loop's next pass.

class FormEvents;

// What the page asked since the last pass, to the form.
void playPageWalks(FormEvents& form);
// Whether the page's "Mouse" is on and the pointer was not freed since the
// last pass (Escape ends the browser's Pointer Lock without a word to SDL).
bool pageMouseTurns();
