// SPDX-License-Identifier: MIT
#include "platform/game_controllers.h"

#include <SDL.h>

#include <algorithm>
#include <optional>

namespace {

std::optional<PadButton> padButton(Uint8 button)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return PadButton::dpadUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return PadButton::dpadDown;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return PadButton::dpadLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return PadButton::dpadRight;
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER: return PadButton::leftShoulder;
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER: return PadButton::rightShoulder;
    default: return std::nullopt;
    }
}

std::optional<PadAxis> padAxis(Uint8 axis)
{
    switch (axis) {
    case SDL_CONTROLLER_AXIS_LEFTX: return PadAxis::leftX;
    case SDL_CONTROLLER_AXIS_LEFTY: return PadAxis::leftY;
    default: return std::nullopt;
    }
}

}  // namespace

// Must follow SDL_Init: SDL_Quit ends the subsystem with the rest.
GameControllers::GameControllers() : started(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0) {}

GameControllers::~GameControllers()
{
    for (SDL_GameController* pad : open) SDL_GameControllerClose(pad);
    if (started) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool GameControllers::deliver(const SDL_Event& event, Controls& controls, KeyEvents& out)
{
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        // A pad that cannot be opened stays unused, like a key without a code.
        if (SDL_GameController* pad = SDL_GameControllerOpen(event.cdevice.which)) open.push_back(pad);
        return true;
    case SDL_CONTROLLERDEVICEREMOVED: {
        const auto unplugged = std::find_if(open.begin(), open.end(), [&](SDL_GameController* pad) {
            return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) == event.cdevice.which;
        });
        if (unplugged != open.end()) {
            SDL_GameControllerClose(*unplugged);
            open.erase(unplugged);
        }
        controls.padRemoved(event.cdevice.which, out);
        return true;
    }
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        if (const auto button = padButton(event.cbutton.button)) {
            controls.padButton(event.cbutton.which, *button, event.type == SDL_CONTROLLERBUTTONDOWN, out);
        }
        return true;
    case SDL_CONTROLLERAXISMOTION:
        if (const auto axis = padAxis(event.caxis.axis)) controls.padAxis(event.caxis.which, *axis, event.caxis.value, out);
        return true;
    default:
        return false;
    }
}
