// SPDX-License-Identifier: MIT
#pragma once
// Where the window lives, and what differs with it: a desktop window
// (desktop_host.cpp) or the canvas of a web page (page_host.cpp). The build
// takes one of the two; SdlPlatform asks these and knows no browser.

#include <cstdint>
#include <string>

class FormEvents;

namespace host {

// SDL_CreateWindow's flags on top of hidden.
std::uint32_t windowFlags();
// The scale of a window that the command line gives none and that does not
// fill the display.
std::int32_t defaultScale();
// Runs first in each DoEvents, before SDL's events are read.
void beforeEvents(FormEvents& form);
// Whether the mouse turns the player: as the command line asked, or as the
// page's "Mouse" says.
bool mouseTurns(bool asked);
// An SDL message box with the given flags, the application's title and the
// text, returning when it is answered; where there is none, nothing.
void showMessageBox(std::uint32_t flags, const std::string& text);

}  // namespace host
