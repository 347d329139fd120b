// SPDX-License-Identifier: MIT
#include "platform/window_host.h"

#include <SDL.h>

#include <vector>

#include "base/atomic_file.h"

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

std::size_t askInMessageBox(const std::string& text, std::span<const char* const> buttons)
{
    std::vector<SDL_MessageBoxButtonData> data;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const Uint32 key = i == 0 ? SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT
                                  : i + 1 == buttons.size() ? SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT : 0;
        data.push_back({key, static_cast<int>(i), buttons[i]});
    }
    const SDL_MessageBoxData box{SDL_MESSAGEBOX_WARNING, nullptr, appTitle, text.c_str(), static_cast<int>(data.size()),
                                 data.data(), nullptr};
    int chosen = -1;
    // A box that cannot be shown, or closed by its title bar, is the last answer.
    if (SDL_ShowMessageBox(&box, &chosen) != 0 || chosen < 0) return buttons.size() - 1;
    return static_cast<std::size_t>(chosen);
}

std::string saveFile(const std::string& fileName, std::span<const unsigned char> bytes)
{
    return replaceFileWith(fileName, bytes);
}

}  // namespace host
