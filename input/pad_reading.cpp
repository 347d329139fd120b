// SPDX-License-Identifier: MIT
#include "input/pad_reading.h"

namespace {

constexpr std::array<PlayerAction, 6> buttonActions{PlayerAction::forward,   PlayerAction::backward, PlayerAction::turnLeft,
                                              PlayerAction::turnRight, PlayerAction::stepLeft, PlayerAction::stepRight};

// Past the dead zone on one side, with hysteresis: `side` is -1 or +1.
bool sideHeld(bool wasHeld, std::int32_t value, std::int32_t side)
{
    const std::int32_t pushed = value * side;
    return wasHeld ? pushed >= stickLetsGoWithin : pushed >= stickHoldsFrom;
}

}  // namespace

void PadReading::press(PadButton button, bool down)
{
    buttons[indexOf(buttonActions[static_cast<std::size_t>(button)])] = down;
}

void PadReading::move(PadAxis axis, std::int16_t value)
{
    // Up the stick is negative: it walks forward; left turns left.
    const PlayerAction negative = axis == PadAxis::leftY ? PlayerAction::forward : PlayerAction::turnLeft;
    const PlayerAction positive = axis == PadAxis::leftY ? PlayerAction::backward : PlayerAction::turnRight;
    stick[indexOf(negative)] = sideHeld(stick[indexOf(negative)], value, -1);
    stick[indexOf(positive)] = sideHeld(stick[indexOf(positive)], value, +1);
}
