// SPDX-License-Identifier: MIT
#include "platform/window_host.h"

#include <SDL.h>

#include "core/stored_window.h"
#include "platform/view_scale.h"

namespace host {

std::uint32_t windowFlags() { return SDL_WINDOW_RESIZABLE; }

// The display's dpi over 96; a display that cannot tell its dpi leaves it 0.
std::int32_t defaultScale()
{
    float dpi = 0;
    if (SDL_GetDisplayDPI(0, nullptr, &dpi, nullptr) != 0) dpi = 0;
    return scaleForDpi(dpi);
}

void beforeEvents(FormEvents&) {}

bool mouseTurns(bool asked) { return asked; }

// The box has no parent window: over its parent it would be placed on that
// window's middle, which for a window larger than the screen lies out of
// sight. On its own it is centred on the screen and opens on top.
void showMessageBox(std::uint32_t flags, const std::string& text)
{
    SDL_ShowSimpleMessageBox(flags, appTitle, text.c_str(), nullptr);
}

}  // namespace host
