#include "input/key_codes.h"

#include <array>
#include <cstddef>
#include <utility>

namespace {

// Zero marks "no code"; a byte cannot hold anything outside keyState.
template <std::size_t Size>
using CodeTable = std::array<std::uint8_t, Size>;

using Entry = std::pair<std::uint32_t, std::uint8_t>;

template <std::size_t Size, std::size_t Count>
constexpr CodeTable<Size> table(const Entry (&entries)[Count])
{
    CodeTable<Size> codes{};
    for (const Entry& entry : entries) codes[entry.first] = entry.second;
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
constexpr Entry characterEntries[] = {
    {'\b', 8}, {'\t', 9}, {'\r', 13}, {'\x1B', 27}, {' ', 32}, {'\x7F', 46},
    {'0', 48}, {'1', 49}, {'2', 50}, {'3', 51}, {'4', 52},
    {'5', 53}, {'6', 54}, {'7', 55}, {'8', 56}, {'9', 57},
    {'a', 65}, {'b', 66}, {'c', 67}, {'d', 68}, {'e', 69}, {'f', 70}, {'g', 71},
    {'h', 72}, {'i', 73}, {'j', 74}, {'k', 75}, {'l', 76}, {'m', 77}, {'n', 78},
    {'o', 79}, {'p', 80}, {'q', 81}, {'r', 82}, {'s', 83}, {'t', 84}, {'u', 85},
    {'v', 86}, {'w', 87}, {'x', 88}, {'y', 89}, {'z', 90},
    {'+', 187}, {',', 188}, {'-', 189}, {'.', 190},
};
constexpr auto byCharacter = table<128>(characterEntries);

// Keys known by their place on the keyboard, named as on a US layout.
constexpr Entry positionEntries[] = {
    {SDL_SCANCODE_A, 65}, {SDL_SCANCODE_B, 66}, {SDL_SCANCODE_C, 67}, {SDL_SCANCODE_D, 68},
    {SDL_SCANCODE_E, 69}, {SDL_SCANCODE_F, 70}, {SDL_SCANCODE_G, 71}, {SDL_SCANCODE_H, 72},
    {SDL_SCANCODE_I, 73}, {SDL_SCANCODE_J, 74}, {SDL_SCANCODE_K, 75}, {SDL_SCANCODE_L, 76},
    {SDL_SCANCODE_M, 77}, {SDL_SCANCODE_N, 78}, {SDL_SCANCODE_O, 79}, {SDL_SCANCODE_P, 80},
    {SDL_SCANCODE_Q, 81}, {SDL_SCANCODE_R, 82}, {SDL_SCANCODE_S, 83}, {SDL_SCANCODE_T, 84},
    {SDL_SCANCODE_U, 85}, {SDL_SCANCODE_V, 86}, {SDL_SCANCODE_W, 87}, {SDL_SCANCODE_X, 88},
    {SDL_SCANCODE_Y, 89}, {SDL_SCANCODE_Z, 90},
    {SDL_SCANCODE_1, 49}, {SDL_SCANCODE_2, 50}, {SDL_SCANCODE_3, 51}, {SDL_SCANCODE_4, 52},
    {SDL_SCANCODE_5, 53}, {SDL_SCANCODE_6, 54}, {SDL_SCANCODE_7, 55}, {SDL_SCANCODE_8, 56},
    {SDL_SCANCODE_9, 57}, {SDL_SCANCODE_0, 48},
    {SDL_SCANCODE_RETURN, 13}, {SDL_SCANCODE_ESCAPE, 27}, {SDL_SCANCODE_BACKSPACE, 8},
    {SDL_SCANCODE_TAB, 9}, {SDL_SCANCODE_SPACE, 32},
    {SDL_SCANCODE_SEMICOLON, 186}, {SDL_SCANCODE_EQUALS, 187}, {SDL_SCANCODE_COMMA, 188},
    {SDL_SCANCODE_MINUS, 189}, {SDL_SCANCODE_PERIOD, 190}, {SDL_SCANCODE_SLASH, 191},
    {SDL_SCANCODE_GRAVE, 192}, {SDL_SCANCODE_LEFTBRACKET, 219}, {SDL_SCANCODE_BACKSLASH, 220},
    {SDL_SCANCODE_NONUSHASH, 220}, {SDL_SCANCODE_RIGHTBRACKET, 221},
    {SDL_SCANCODE_APOSTROPHE, 222}, {SDL_SCANCODE_NONUSBACKSLASH, 226},
    {SDL_SCANCODE_CAPSLOCK, 20},
    {SDL_SCANCODE_F1, 112}, {SDL_SCANCODE_F2, 113}, {SDL_SCANCODE_F3, 114},
    {SDL_SCANCODE_F4, 115}, {SDL_SCANCODE_F5, 116}, {SDL_SCANCODE_F6, 117},
    {SDL_SCANCODE_F7, 118}, {SDL_SCANCODE_F8, 119}, {SDL_SCANCODE_F9, 120},
    {SDL_SCANCODE_F10, 121}, {SDL_SCANCODE_F11, 122}, {SDL_SCANCODE_F12, 123},
    {SDL_SCANCODE_F13, 124}, {SDL_SCANCODE_F14, 125}, {SDL_SCANCODE_F15, 126},
    {SDL_SCANCODE_F16, 127}, {SDL_SCANCODE_F17, 128}, {SDL_SCANCODE_F18, 129},
    {SDL_SCANCODE_F19, 130}, {SDL_SCANCODE_F20, 131}, {SDL_SCANCODE_F21, 132},
    {SDL_SCANCODE_F22, 133}, {SDL_SCANCODE_F23, 134}, {SDL_SCANCODE_F24, 135},
    {SDL_SCANCODE_PRINTSCREEN, 44}, {SDL_SCANCODE_SCROLLLOCK, 145}, {SDL_SCANCODE_PAUSE, 19},
    {SDL_SCANCODE_INSERT, 45}, {SDL_SCANCODE_HOME, 36}, {SDL_SCANCODE_PAGEUP, 33},
    {SDL_SCANCODE_DELETE, 46}, {SDL_SCANCODE_END, 35}, {SDL_SCANCODE_PAGEDOWN, 34},
    {SDL_SCANCODE_LEFT, 37}, {SDL_SCANCODE_UP, 38}, {SDL_SCANCODE_RIGHT, 39},
    {SDL_SCANCODE_DOWN, 40},
    {SDL_SCANCODE_NUMLOCKCLEAR, 144}, {SDL_SCANCODE_KP_DIVIDE, 111},
    {SDL_SCANCODE_KP_MULTIPLY, 106}, {SDL_SCANCODE_KP_MINUS, 109}, {SDL_SCANCODE_KP_PLUS, 107},
    {SDL_SCANCODE_KP_ENTER, 13}, {SDL_SCANCODE_KP_PERIOD, 110}, {SDL_SCANCODE_KP_COMMA, 108},
    {SDL_SCANCODE_KP_0, 96}, {SDL_SCANCODE_KP_1, 97}, {SDL_SCANCODE_KP_2, 98},
    {SDL_SCANCODE_KP_3, 99}, {SDL_SCANCODE_KP_4, 100}, {SDL_SCANCODE_KP_5, 101},
    {SDL_SCANCODE_KP_6, 102}, {SDL_SCANCODE_KP_7, 103}, {SDL_SCANCODE_KP_8, 104},
    {SDL_SCANCODE_KP_9, 105},
    {SDL_SCANCODE_LCTRL, 17}, {SDL_SCANCODE_LSHIFT, 16}, {SDL_SCANCODE_LALT, 18},
    {SDL_SCANCODE_LGUI, 91}, {SDL_SCANCODE_RCTRL, 17}, {SDL_SCANCODE_RSHIFT, 16},
    {SDL_SCANCODE_RALT, 18}, {SDL_SCANCODE_RGUI, 92}, {SDL_SCANCODE_APPLICATION, 93},
    {SDL_SCANCODE_HELP, 47}, {SDL_SCANCODE_SELECT, 41}, {SDL_SCANCODE_EXECUTE, 43},
    {SDL_SCANCODE_SLEEP, 95}, {SDL_SCANCODE_MUTE, 173}, {SDL_SCANCODE_AUDIOMUTE, 173},
    {SDL_SCANCODE_VOLUMEDOWN, 174}, {SDL_SCANCODE_VOLUMEUP, 175},
    {SDL_SCANCODE_AUDIONEXT, 176}, {SDL_SCANCODE_AUDIOPREV, 177},
    {SDL_SCANCODE_AUDIOSTOP, 178}, {SDL_SCANCODE_AUDIOPLAY, 179},
};
constexpr auto byPosition = table<SDL_NUM_SCANCODES>(positionEntries);

}  // namespace

// A key is known first by what it types, so comma and full stop work on
// QWERTY, QWERTZ and AZERTY alike; a key without a character (arrows,
// F-keys) by the key it was mapped to; and a key whose character has no code
// (AZERTY ';' and ':', accented letters) by its place on the keyboard, so
// AZERTY's ';' and ':' keys, which sit where comma and full stop sit on
// QWERTY, step sideways too.
std::optional<std::int16_t> virtualKeyCode(const SDL_Keysym& key)
{
    const auto sym = static_cast<std::uint32_t>(key.sym);
    std::uint8_t code = 0;
    if ((sym & SDLK_SCANCODE_MASK) == 0) {
        code = lookUp(byCharacter, sym);
    } else {
        code = lookUp(byPosition, sym & ~std::uint32_t{SDLK_SCANCODE_MASK});
    }
    if (code == 0) code = lookUp(byPosition, static_cast<std::uint32_t>(key.scancode));
    if (code == 0) return std::nullopt;
    return code;
}

std::int16_t shiftMask(std::uint16_t modifiers)
{
    return static_cast<std::int16_t>(((modifiers & KMOD_SHIFT) ? 1 : 0) |
                                     ((modifiers & KMOD_CTRL) ? 2 : 0) |
                                     ((modifiers & KMOD_ALT) ? 4 : 0));
}
