// SPDX-License-Identifier: MIT
#include "platform/video_drivers.h"

#include <SDL.h>

#include <string>
#include <string_view>

namespace {

// The Wayland client library finds its display through WAYLAND_SOCKET, a
// WAYLAND_DISPLAY that is a full path, or a socket in XDG_RUNTIME_DIR.
// Without any of them it prints "error: XDG_RUNTIME_DIR is invalid or not set
// in the environment." before it gives up, and SDL tries Wayland whenever no
// X display opens, so a program started with no display at all would print
// that line ahead of its own.
bool waylandReachable()
{
    const char* socket = SDL_getenv("WAYLAND_SOCKET");
    const char* display = SDL_getenv("WAYLAND_DISPLAY");
    const char* runtimeFolder = SDL_getenv("XDG_RUNTIME_DIR");
    return (socket && *socket) || (display && *display == '/') || (runtimeFolder && *runtimeFolder);
}

}  // namespace

void leaveOutUnreachableVideoDrivers()
{
    if (SDL_getenv("SDL_VIDEODRIVER") || waylandReachable()) return;
    // Every other driver, in SDL's own order of preference.
    std::string drivers;
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
        const std::string_view name = SDL_GetVideoDriver(i);
        if (name == "wayland") continue;
        if (!drivers.empty()) drivers += ',';
        drivers += name;
    }
    SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
}
