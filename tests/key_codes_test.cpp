// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "platform/sdl_keys.h"
#include "input/key_codes.h"

namespace {

std::optional<std::int16_t> code(SDL_Keycode sym, SDL_Scancode scancode)
{
    SDL_Keysym key{};
    key.sym = sym;
    key.scancode = scancode;
    return virtualKeyCode(key);
}

// A key that types no character, as SDL reports it.
SDL_Keycode named(SDL_Scancode scancode) { return SDL_SCANCODE_TO_KEYCODE(scancode); }

}  // namespace

TEST(KeyCodes, GoByCharacterThenByMappedKeyThenByPlace)
{
    struct Case {
        SDL_Keycode sym;
        SDL_Scancode scancode;
        std::optional<std::int16_t> expected;
    };
    const Case cases[] = {
        // The six keys in use, with their Windows virtual-key codes: left,
        // up, right and down arrow, comma and full stop.
        {named(SDL_SCANCODE_LEFT), SDL_SCANCODE_LEFT, 37},
        {named(SDL_SCANCODE_UP), SDL_SCANCODE_UP, 38},
        {named(SDL_SCANCODE_RIGHT), SDL_SCANCODE_RIGHT, 39},
        {named(SDL_SCANCODE_DOWN), SDL_SCANCODE_DOWN, 40},
        {SDLK_COMMA, SDL_SCANCODE_COMMA, 188},
        {SDLK_PERIOD, SDL_SCANCODE_PERIOD, 190},
        // A key mapped onto another goes by what it was mapped to.
        {SDLK_LCTRL, SDL_SCANCODE_CAPSLOCK, vk::control},
        // German QWERTZ: the character wins over the place.
        {'z', SDL_SCANCODE_Y, 'Z'},
        {0xF6 /* o umlaut */, SDL_SCANCODE_SEMICOLON, vk::semicolon},
        // French AZERTY: ',' is on the US 'm' key; ';' and ':' have no code of
        // their own and go by place, so they act as comma and full stop.
        {',', SDL_SCANCODE_M, vk::comma},
        {';', SDL_SCANCODE_COMMA, vk::comma},
        {':', SDL_SCANCODE_PERIOD, vk::fullStop},
        {'m', SDL_SCANCODE_SEMICOLON, 'M'},
        {0xE9 /* e acute */, SDL_SCANCODE_2, '2'},
        // Keys without a code are ignored.
        {named(SDL_SCANCODE_AC_BACK), SDL_SCANCODE_AC_BACK, std::nullopt},
        {SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN, std::nullopt},
        {0x20AC /* euro sign */, SDL_SCANCODE_UNKNOWN, std::nullopt},
        // Values no keyboard sends must not read past the tables either.
        {SDL_SCANCODE_TO_KEYCODE(0xFFFFF), SDL_Scancode(SDL_NUM_SCANCODES), std::nullopt},
        {-1, SDL_SCANCODE_UNKNOWN, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(code(c.sym, c.scancode), c.expected) << c.sym << " at " << c.scancode;
}
