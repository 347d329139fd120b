#include <gtest/gtest.h>

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
std::optional<std::int16_t> namedKey(SDL_Scancode scancode)
{
    return code(SDL_SCANCODE_TO_KEYCODE(scancode), scancode);
}

}  // namespace

TEST(KeyCodes, TheSixKeysInUse)
{
    EXPECT_EQ(namedKey(SDL_SCANCODE_LEFT), 37);
    EXPECT_EQ(namedKey(SDL_SCANCODE_UP), 38);
    EXPECT_EQ(namedKey(SDL_SCANCODE_RIGHT), 39);
    EXPECT_EQ(namedKey(SDL_SCANCODE_DOWN), 40);
    EXPECT_EQ(code(SDLK_COMMA, SDL_SCANCODE_COMMA), 188);
    EXPECT_EQ(code(SDLK_PERIOD, SDL_SCANCODE_PERIOD), 190);
}

TEST(KeyCodes, LettersDigitsAndOtherKeys)
{
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(code('a' + i, SDL_Scancode(SDL_SCANCODE_A + i)), 65 + i);
    }
    EXPECT_EQ(code('0', SDL_SCANCODE_0), 48);
    EXPECT_EQ(code('9', SDL_SCANCODE_9), 57);
    EXPECT_EQ(code(SDLK_SPACE, SDL_SCANCODE_SPACE), 32);
    EXPECT_EQ(code(SDLK_RETURN, SDL_SCANCODE_RETURN), 13);
    EXPECT_EQ(code(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE), 27);
    EXPECT_EQ(code(SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON), 186);
    EXPECT_EQ(code(SDLK_QUOTE, SDL_SCANCODE_APOSTROPHE), 222);
    EXPECT_EQ(namedKey(SDL_SCANCODE_KP_0), 96);
    EXPECT_EQ(namedKey(SDL_SCANCODE_KP_9), 105);
    EXPECT_EQ(namedKey(SDL_SCANCODE_F1), 112);
    EXPECT_EQ(namedKey(SDL_SCANCODE_F12), 123);
    EXPECT_EQ(namedKey(SDL_SCANCODE_LSHIFT), 16);
    EXPECT_EQ(namedKey(SDL_SCANCODE_RCTRL), 17);
    // A key mapped onto another goes by what it was mapped to.
    EXPECT_EQ(code(SDLK_LCTRL, SDL_SCANCODE_CAPSLOCK), 17);
}

TEST(KeyCodes, KeysWithoutACodeAreIgnored)
{
    EXPECT_EQ(namedKey(SDL_SCANCODE_AC_BACK), std::nullopt);
    EXPECT_EQ(code(SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN), std::nullopt);
    EXPECT_EQ(code(0x20AC /* euro sign */, SDL_SCANCODE_UNKNOWN), std::nullopt);
}

TEST(KeyCodes, CommaAndFullStopOnOtherLayouts)
{
    // German QWERTZ: the characters sit where they do on US keyboards.
    EXPECT_EQ(code(',', SDL_SCANCODE_COMMA), 188);
    EXPECT_EQ(code('.', SDL_SCANCODE_PERIOD), 190);
    EXPECT_EQ(code('z', SDL_SCANCODE_Y), 90);
    EXPECT_EQ(code(0xF6 /* o umlaut */, SDL_SCANCODE_SEMICOLON), 186);
    // French AZERTY: ',' is on the US 'm' key; ';' and ':' have no code of
    // their own and go by place, so they act as comma and full stop.
    EXPECT_EQ(code(',', SDL_SCANCODE_M), 188);
    EXPECT_EQ(code(';', SDL_SCANCODE_COMMA), 188);
    EXPECT_EQ(code(':', SDL_SCANCODE_PERIOD), 190);
    EXPECT_EQ(code('m', SDL_SCANCODE_SEMICOLON), 77);
    EXPECT_EQ(code('&', SDL_SCANCODE_1), 49);
    EXPECT_EQ(code(0xE9 /* e acute */, SDL_SCANCODE_2), 50);
}

TEST(KeyCodes, EveryCodeFitsTheKeyTable)
{
    const auto inRange = [](std::optional<std::int16_t> code) {
        return !code || (*code >= 0 && *code <= 255);
    };
    for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
        const auto place = SDL_Scancode(scancode);
        EXPECT_TRUE(inRange(namedKey(place))) << scancode;
        for (SDL_Keycode sym = 0; sym < 0x3000; sym += 7) {
            EXPECT_TRUE(inRange(code(sym, place))) << sym << " at " << scancode;
        }
    }
    // Values no keyboard sends must not read past the tables either.
    EXPECT_EQ(code(SDL_SCANCODE_TO_KEYCODE(0xFFFFF), SDL_Scancode(SDL_NUM_SCANCODES)),
              std::nullopt);
    EXPECT_EQ(code(-1, SDL_SCANCODE_UNKNOWN), std::nullopt);
}
