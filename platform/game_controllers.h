// SPDX-License-Identifier: MIT
#pragma once
// Game controllers through SDL's game-controller API, whose mapping database
// (SDL's own, and any mappings in SDL_GAMECONTROLLERCONFIG) lays out every
// known pad alike. Each pad is opened as it is plugged in, also those plugged
// in before the program started, and closed when it is unplugged.

#include <vector>

#include "input/controls.h"

union SDL_Event;
struct _SDL_GameController;

class GameControllers {
public:
    // Starts SDL's game-controller subsystem. Where it cannot start, the
    // program runs with the keyboard alone.
    GameControllers();
    ~GameControllers();
    GameControllers(const GameControllers&) = delete;
    GameControllers& operator=(const GameControllers&) = delete;

    // Hands a controller's event to `controls`; false for any other event.
    bool deliver(const SDL_Event& event, Controls& controls, KeyEvents& out);

private:
    bool started = false;
    std::vector<_SDL_GameController*> open;
};
