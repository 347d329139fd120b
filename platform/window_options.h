// SPDX-License-Identifier: MIT
#pragma once
// How the window is shown: chosen on the command line, read by the platform.

#include <cstdint>

struct WindowOptions {
    // Every window pixel is shown as a scale x scale block; 0 means the
    // display's own: its dpi over 96, rounded, at least 1.
    std::int32_t scale = 0;
    bool fullscreen = false;
    // A click into the view captures the pointer, whose motion turns the
    // player.
    bool mouse = false;
};
