// SPDX-License-Identifier: MIT
#include "input/key_bindings.h"

#include "base/checked.h"

namespace {

std::size_t keyIndex(vk::Code key) { return checked::index(key, vk::codeCount, "bound key code"); }

}  // namespace

KeyBindings::KeyBindings()
{
    for (std::size_t i = 0; i < actionCount; ++i) keysOf[i].set(keyIndex(actionCodes[i]));
}

KeyBindings KeyBindings::arrows() { return {}; }

KeyBindings KeyBindings::wasd()
{
    KeyBindings keys;
    keys.add(PlayerAction::forward, 'W');
    keys.add(PlayerAction::backward, 'S');
    keys.add(PlayerAction::turnLeft, 'A');
    keys.add(PlayerAction::turnRight, 'D');
    keys.add(PlayerAction::stepLeft, 'Q');
    keys.add(PlayerAction::stepRight, 'E');
    return keys;
}

void KeyBindings::bind(PlayerAction action, vk::Code key)
{
    keysOf[indexOf(action)].reset();
    add(action, key);
}

void KeyBindings::add(PlayerAction action, vk::Code key) { keysOf[indexOf(action)].set(keyIndex(key)); }

KeyCodes KeyBindings::codesHeldBy(vk::Code key) const
{
    const std::size_t index = keyIndex(key);
    Actions bound;
    bool isActionCode = false;
    for (std::size_t i = 0; i < actionCount; ++i) {
        bound[i] = keysOf[i][index];
        isActionCode = isActionCode || actionCodes[i] == key;
    }
    if (bound.any()) return codesOf(bound);
    KeyCodes own;
    if (!isActionCode) own.set(index);
    return own;
}
