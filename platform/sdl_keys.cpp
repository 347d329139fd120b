// SPDX-License-Identifier: MIT
#include "platform/sdl_keys.h"

#include <array>
#include <cstddef>
#include <string>

#include "input/key_codes.h"

namespace {

// Zero marks "no code"; a byte cannot hold anything outside keyState.
template <std::size_t Size>
using CodeTable = std::array<std::uint8_t, Size>;

// `count` keys in a row from `first`, whose codes follow in a row from `code`.
struct Run {
    std::uint32_t first;
    vk::Code code;
    std::uint32_t count = 1;
};

template <std::size_t Size, std::size_t Count>
constexpr CodeTable<Size> table(const Run (&runs)[Count])
{
    CodeTable<Size> codes{};
    for (const Run& run : runs) {
        for (std::uint32_t i = 0; i < run.count; ++i) {
            codes[run.first + i] = static_cast<std::uint8_t>(run.code + static_cast<vk::Code>(i));
        }
    }
    return codes;
}

template <std::size_t Size>
constexpr std::uint8_t lookUp(const CodeTable<Size>& codes, std::uint32_t key)
{
    return key < Size ? codes[key] : 0;
}

// Keys known by the character they type. Only characters whose key has the
// same virtual-key code on every layout are here; the rest (';', '/', '[',
// accented letters, AZERTY's unshifted digits) go by where the key sits.
constexpr Run characterRuns[] = {
    {'\b', vk::backspace}, {'\t', vk::tab}, {'\r', vk::enter}, {'\x1B', vk::escape},
    {' ', vk::space}, {'\x7F', vk::deleteKey},
    {'0', vk::digit0, 10}, {'a', vk::letterA, 26},
    {'+', vk::plus}, {',', vk::comma}, {'-', vk::minus}, {'.', vk::fullStop},
};
constexpr auto byCharacter = table<128>(characterRuns);

// The runs of keys below lie in a row in SDL's numbering as in ours.
static_assert(SDL_SCANCODE_Z - SDL_SCANCODE_A == 25 && SDL_SCANCODE_9 - SDL_SCANCODE_1 == 8);
static_assert(SDL_SCANCODE_F12 - SDL_SCANCODE_F1 == 11 && SDL_SCANCODE_F24 - SDL_SCANCODE_F13 == 11);
static_assert(SDL_SCANCODE_KP_9 - SDL_SCANCODE_KP_1 == 8);

// Keys known by their place on the keyboard, named as on a US layout.
constexpr Run positionRuns[] = {
    {SDL_SCANCODE_A, vk::letterA, 26},
    {SDL_SCANCODE_1, vk::digit0 + 1, 9}, {SDL_SCANCODE_0, vk::digit0},
    {SDL_SCANCODE_RETURN, vk::enter}, {SDL_SCANCODE_ESCAPE, vk::escape},
    {SDL_SCANCODE_BACKSPACE, vk::backspace}, {SDL_SCANCODE_TAB, vk::tab},
    {SDL_SCANCODE_SPACE, vk::space},
    {SDL_SCANCODE_SEMICOLON, vk::semicolon}, {SDL_SCANCODE_EQUALS, vk::plus},
    {SDL_SCANCODE_COMMA, vk::comma}, {SDL_SCANCODE_MINUS, vk::minus},
    {SDL_SCANCODE_PERIOD, vk::fullStop}, {SDL_SCANCODE_SLASH, vk::slash},
    {SDL_SCANCODE_GRAVE, vk::grave}, {SDL_SCANCODE_LEFTBRACKET, vk::leftBracket},
    {SDL_SCANCODE_BACKSLASH, vk::backslash}, {SDL_SCANCODE_NONUSHASH, vk::backslash},
    {SDL_SCANCODE_RIGHTBRACKET, vk::rightBracket}, {SDL_SCANCODE_APOSTROPHE, vk::apostrophe},
    {SDL_SCANCODE_NONUSBACKSLASH, vk::angleBracket},
    {SDL_SCANCODE_CAPSLOCK, vk::capsLock},
    {SDL_SCANCODE_F1, vk::f1, 12}, {SDL_SCANCODE_F13, vk::f13, 12},
    {SDL_SCANCODE_PRINTSCREEN, vk::printScreen}, {SDL_SCANCODE_SCROLLLOCK, vk::scrollLock},
    {SDL_SCANCODE_PAUSE, vk::pause}, {SDL_SCANCODE_INSERT, vk::insert},
    {SDL_SCANCODE_HOME, vk::home}, {SDL_SCANCODE_PAGEUP, vk::pageUp},
    {SDL_SCANCODE_DELETE, vk::deleteKey}, {SDL_SCANCODE_END, vk::end},
    {SDL_SCANCODE_PAGEDOWN, vk::pageDown},
    {SDL_SCANCODE_LEFT, vk::leftArrow}, {SDL_SCANCODE_UP, vk::upArrow},
    {SDL_SCANCODE_RIGHT, vk::rightArrow}, {SDL_SCANCODE_DOWN, vk::downArrow},
    {SDL_SCANCODE_NUMLOCKCLEAR, vk::numLock}, {SDL_SCANCODE_KP_DIVIDE, vk::divide},
    {SDL_SCANCODE_KP_MULTIPLY, vk::multiply}, {SDL_SCANCODE_KP_MINUS, vk::subtract},
    {SDL_SCANCODE_KP_PLUS, vk::add}, {SDL_SCANCODE_KP_ENTER, vk::enter},
    {SDL_SCANCODE_KP_PERIOD, vk::decimal}, {SDL_SCANCODE_KP_COMMA, vk::separator},
    {SDL_SCANCODE_KP_1, vk::numpad0 + 1, 9}, {SDL_SCANCODE_KP_0, vk::numpad0},
    {SDL_SCANCODE_LCTRL, vk::control}, {SDL_SCANCODE_LSHIFT, vk::shift},
    {SDL_SCANCODE_LALT, vk::alt}, {SDL_SCANCODE_LGUI, vk::leftWindows},
    {SDL_SCANCODE_RCTRL, vk::control}, {SDL_SCANCODE_RSHIFT, vk::shift},
    {SDL_SCANCODE_RALT, vk::alt}, {SDL_SCANCODE_RGUI, vk::rightWindows},
    {SDL_SCANCODE_APPLICATION, vk::applications}, {SDL_SCANCODE_HELP, vk::help},
    {SDL_SCANCODE_SELECT, vk::select}, {SDL_SCANCODE_EXECUTE, vk::execute},
    {SDL_SCANCODE_SLEEP, vk::sleep},
    {SDL_SCANCODE_MUTE, vk::volumeMute}, {SDL_SCANCODE_AUDIOMUTE, vk::volumeMute},
    {SDL_SCANCODE_VOLUMEDOWN, vk::volumeDown}, {SDL_SCANCODE_VOLUMEUP, vk::volumeUp},
    {SDL_SCANCODE_AUDIONEXT, vk::nextTrack}, {SDL_SCANCODE_AUDIOPREV, vk::previousTrack},
    {SDL_SCANCODE_AUDIOSTOP, vk::stopMedia}, {SDL_SCANCODE_AUDIOPLAY, vk::playPause},
};
constexpr auto byPosition = table<SDL_NUM_SCANCODES>(positionRuns);

}  // namespace

// A key is known first by what it types, so comma and full stop work on
// QWERTY, QWERTZ and AZERTY alike; a key without a character (arrows,
// F-keys) by the key it was mapped to; and a key whose character has no code
// (AZERTY ';' and ':', accented letters) by its place on the keyboard, so
// AZERTY's ';' and ':' keys, which sit where comma and full stop sit on
// QWERTY, step sideways too.
std::optional<std::int16_t> virtualKeyCode(const SDL_Keysym& pressed)
{
    const auto sym = static_cast<std::uint32_t>(pressed.sym);
    std::uint8_t code = 0;
    if ((sym & SDLK_SCANCODE_MASK) == 0) {
        code = lookUp(byCharacter, sym);
    } else {
        code = lookUp(byPosition, sym & ~std::uint32_t{SDLK_SCANCODE_MASK});
    }
    if (code == 0) code = lookUp(byPosition, static_cast<std::uint32_t>(pressed.scancode));
    if (code == 0) return std::nullopt;
    return code;
}

// A name is taken as SDL takes it: one character is the key that types it,
// anything else the key SDL names so. The key is then known as when pressed.
std::optional<std::int16_t> virtualKeyCodeNamed(std::string_view name)
{
    const std::string text(name);
    SDL_Keysym named{};
    named.sym = SDL_GetKeyFromName(text.c_str());
    named.scancode = SDL_GetScancodeFromName(text.c_str());
    if (named.sym == SDLK_UNKNOWN) return std::nullopt;
    return virtualKeyCode(named);
}
