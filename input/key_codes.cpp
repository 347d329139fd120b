#include "input/key_codes.h"

std::optional<std::int16_t> virtualKeyCode(const SDL_Keysym& key)
{
    switch (key.sym) {
    case SDLK_LEFT: return 37;
    case SDLK_UP: return 38;
    case SDLK_RIGHT: return 39;
    case SDLK_DOWN: return 40;
    case SDLK_COMMA: return 188;
    case SDLK_PERIOD: return 190;
    default: return std::nullopt;
    }
}

std::int16_t shiftMask(std::uint16_t modifiers)
{
    return static_cast<std::int16_t>(((modifiers & KMOD_SHIFT) ? 1 : 0) |
                                     ((modifiers & KMOD_CTRL) ? 2 : 0) |
                                     ((modifiers & KMOD_ALT) ? 4 : 0));
}
