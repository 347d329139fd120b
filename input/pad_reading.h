// SPDX-License-Identifier: MIT
#pragma once
// What one game controller holds: its D-pad and left stick turn and walk as
// the arrows do, its shoulder buttons step sideways as comma and full stop do.

#include <array>
#include <cstdint>

#include "input/actions.h"

enum class PadButton : std::uint8_t { dpadUp, dpadDown, dpadLeft, dpadRight, leftShoulder, rightShoulder };
enum class PadAxis : std::uint8_t { leftX, leftY };

// A stick's side counts as held once it is pushed at least half way, and
// lets go only once it is back within a quarter: a resting stick that drifts
// a little holds nothing, and one held near the threshold does not flicker.
inline constexpr std::int32_t stickHoldsFrom = 16384;
inline constexpr std::int32_t stickLetsGoWithin = 8192;

class PadReading {
public:
    void press(PadButton button, bool down);
    // `value` as SDL gives it: -32768 (left, up) to 32767 (right, down).
    void move(PadAxis axis, std::int16_t value);
    // D-pad and stick together: a direction is held while either holds it.
    Actions held() const { return buttons | stick; }

private:
    Actions buttons;
    Actions stick;
};
