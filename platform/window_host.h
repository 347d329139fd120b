// SPDX-License-Identifier: MIT
#pragma once
// Where the window lives, and what differs with it: a desktop window
// (desktop_host.cpp) or the canvas of a web page (page_host.cpp). The build
// takes one of the two; SdlPlatform asks these and knows no browser.

#include <cstddef>
#include <cstdint>
#include <span>
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
// The same with a question and a button an answer: the index of the one
// chosen, Return choosing the first and Escape the last; where there is no
// message box, the last.
std::size_t askInMessageBox(const std::string& text, std::span<const char* const> buttons);
// Hands the user a file they save: on a desktop it replaces the file whole
// (base/atomic_file.h), in a web page the browser downloads it. "" once it is
// done, otherwise why not.
std::string saveFile(const std::string& fileName, std::span<const unsigned char> bytes);

}  // namespace host
