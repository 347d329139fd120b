// SPDX-License-Identifier: MIT
#pragma once
// Sideways mouse motion as turns of whole degrees. The motion gathered
// during a pass, times the speed, turns the player by as many whole degrees
// as it makes at the pass's first tick, and the fraction is kept for the
// next pass: a fast flick turns as far as the hand went, a mouse at rest
// never turns, and the heading stays a whole number of degrees.

#include <cstdint>

// Degrees per 100 counts of motion: a half turn for 3,000 counts, some
// 10 cm at 800 dots per inch.
inline constexpr std::int32_t defaultMouseSpeed = 6;
inline constexpr std::int32_t mostMouseSpeed = 360;

class MouseTurn {
public:
    // `speed` from 1 to mostMouseSpeed.
    explicit MouseTurn(std::int32_t speed = defaultMouseSpeed) : speed(speed) {}

    // Motion to the right is positive, and turns right.
    void move(std::int32_t counts);
    // The whole degrees gathered since the last call, toward zero; the rest
    // stays.
    std::int16_t take();

private:
    std::int64_t speed;
    // In hundredths of a degree.
    std::int64_t gathered = 0;
};
