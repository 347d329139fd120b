// SPDX-License-Identifier: MIT
#include "sim/walk.h"

#include <array>

#include "base/float_bits.h"

#include "sim/game_state.h"

bool Pose::operator==(const Pose& other) const
{
    const auto bits = [](const Pose& pose) {
        return std::array{floatBits(pose.x), floatBits(pose.y), floatBits(pose.angle)};
    };
    return bits(*this) == bits(other);
}

Pose poseOf(const GameState& state) { return {state.playerX, state.playerY, state.playerAngle}; }

void place(GameState& state, const Pose& pose)
{
    state.playerX = pose.x;
    state.playerY = pose.y;
    state.playerAngle = pose.angle;
}

Actions heldActions(const GameState& state)
{
    Actions held;
    for (std::size_t i = 0; i < actionCount; ++i) {
        held[i] = state.keyState[static_cast<std::size_t>(actionCodes[i])] != falseFlag;
    }
    return held;
}

void holdActions(GameState& state, const Actions& held)
{
    for (std::size_t i = 0; i < actionCount; ++i) {
        state.keyState[static_cast<std::size_t>(actionCodes[i])] = held[i] ? trueFlag : falseFlag;
    }
}
