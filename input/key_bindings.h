// SPDX-License-Identifier: MIT
#pragma once
// Which keyboard keys hold which action: the presets of `--keys` and the
// changes of `--bind`. Keys are the virtual-key codes of input/key_codes.h.

#include <array>

#include "input/actions.h"

class KeyBindings {
public:
    // Every key holds its own code, so the arrows, comma and full stop move
    // the player and every other key is recorded and does nothing.
    static KeyBindings arrows();
    // The arrows' keys, and W and S walk, A and D turn, Q and E step sideways.
    static KeyBindings wasd();

    // `key` becomes the only key of `action`; add() gives it one more.
    void bind(PlayerAction action, vk::Code key);
    void add(PlayerAction action, vk::Code key);

    // The codes the held-key table holds while `key` is held: those of the
    // actions it is bound to; for a key bound to none, its own code, unless
    // that is an action's code, whose key it no longer is.
    KeyCodes codesHeldBy(vk::Code key) const;

    bool operator==(const KeyBindings&) const = default;

private:
    KeyBindings();
    std::array<KeyCodes, actionCount> keysOf;
};
