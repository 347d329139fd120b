// SPDX-License-Identifier: MIT
#include "platform/pointer_capture.h"

#include <SDL.h>

#include <cstdint>

#include "core/platform.h"

void PointerCapture::allow(bool allow)
{
    allowed = allow;
    if (!allowed) capture(false);
}

void PointerCapture::capture(bool on)
{
    if (on == captured) return;
    captured = on;
    // A system that cannot capture the pointer leaves it free; a click then
    // simply captures nothing.
    static_cast<void>(SDL_SetRelativeMouseMode(on ? SDL_TRUE : SDL_FALSE));
}

bool PointerCapture::deliver(const SDL_Event& event, const SDL_Rect& view, int scale, FormEvents& form)
{
    switch (event.type) {
    case SDL_MOUSEBUTTONDOWN: {
        const SDL_Point at{event.button.x / scale, event.button.y / scale};
        if (!allowed || captured || event.button.button != SDL_BUTTON_LEFT || !SDL_PointInRect(&at, &view)) return false;
        capture(true);
        return true;
    }
    case SDL_MOUSEBUTTONUP:
        return captured;
    case SDL_MOUSEMOTION: {
        if (!captured) return false;
        std::int16_t button = 0;
        std::int16_t shift = 0;
        form.picRender_MouseMove(button, shift, static_cast<float>(event.motion.xrel), static_cast<float>(event.motion.yrel));
        return true;
    }
    case SDL_KEYDOWN:
        // Escape still reaches the form, as every key does.
        if (event.key.keysym.sym == SDLK_ESCAPE) capture(false);
        return false;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) capture(false);
        return false;
    default:
        return false;
    }
}
