// SPDX-License-Identifier: MIT
#pragma once
// The keyboard and any number of game controllers, as one stream of key-down
// and key-up events for the held-key table. A code is held while any key or
// pad holds it: it goes down when the first takes it and up only when the
// last lets go, so holding W and Up, or the keyboard and a pad, and letting
// go of one keeps the player moving.

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "input/key_bindings.h"
#include "input/pad_reading.h"

// Where the events go: the form's key handlers.
class KeyEvents {
public:
    virtual void keyDown(vk::Code code) = 0;
    virtual void keyUp(vk::Code code) = 0;

protected:
    ~KeyEvents() = default;
};

// A game controller as the platform tells them apart while they are plugged in.
using PadId = std::int32_t;

class Controls {
public:
    explicit Controls(const KeyBindings& keys = KeyBindings::arrows()) : keys(keys) {}

    // A repeated key-down of a held key changes nothing.
    void keyDown(vk::Code key, KeyEvents& out);
    void keyUp(vk::Code key, KeyEvents& out);
    // Every key the keyboard holds is let go, as when the window loses the
    // focus and would not hear their release; pads keep what they hold.
    void releaseKeys(KeyEvents& out);

    void padButton(PadId pad, PadButton button, bool down, KeyEvents& out);
    void padAxis(PadId pad, PadAxis axis, std::int16_t value, KeyEvents& out);
    // An unplugged pad lets go of everything it held.
    void padRemoved(PadId pad, KeyEvents& out);

private:
    // One key or pad held `before` and holds `now`.
    void change(const KeyCodes& before, const KeyCodes& now, KeyEvents& out);
    std::vector<std::pair<PadId, PadReading>>::iterator find(PadId pad);
    // The pad's reading; a pad heard of for the first time holds nothing.
    PadReading& reading(PadId pad);

    KeyBindings keys;
    KeyCodes keysDown;
    std::vector<std::pair<PadId, PadReading>> pads;
    // How many keys and pads hold each code.
    std::array<std::uint16_t, vk::codeCount> holders{};
};
