// SPDX-License-Identifier: MIT
#pragma once
// The six things a held key or a game controller can make the player do, the
// key code the simulation reads for each, and their names on the command
// line.

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "input/key_codes.h"

enum class PlayerAction : std::uint8_t { forward, backward, turnLeft, turnRight, stepLeft, stepRight };
inline constexpr std::size_t actionCount = 6;
// A set of actions, indexed by PlayerAction.
using Actions = std::bitset<actionCount>;
// A set of key codes, indexed by code.
using KeyCodes = std::bitset<vk::codeCount>;

// In PlayerAction's order.
inline constexpr std::array<vk::Code, actionCount> actionCodes{vk::upArrow,   vk::downArrow, vk::leftArrow,
                                                               vk::rightArrow, vk::comma,     vk::fullStop};
inline constexpr std::array<std::string_view, actionCount> actionNames{"forward",    "backward",  "turn-left",
                                                                       "turn-right", "step-left", "step-right"};

inline constexpr std::size_t indexOf(PlayerAction action) { return static_cast<std::size_t>(action); }

inline std::optional<PlayerAction> actionNamed(std::string_view name)
{
    for (std::size_t i = 0; i < actionCount; ++i) {
        if (actionNames[i] == name) return static_cast<PlayerAction>(i);
    }
    return std::nullopt;
}

// The codes the simulation reads for these actions.
inline KeyCodes codesOf(const Actions& actions)
{
    KeyCodes codes;
    for (std::size_t i = 0; i < actionCount; ++i) {
        if (actions[i]) codes.set(static_cast<std::size_t>(actionCodes[i]));
    }
    return codes;
}
