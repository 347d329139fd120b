// SPDX-License-Identifier: MIT
#pragma once
// A walk from outside (a demo file, a walk link) looked through before any
// of it is played: its level passes the level check, the player starts in
// an open cell of it facing a whole number of degrees, every record reads,
// every level it changes to passes the check too, and it lasts no more than
// mostWalkTicks. A walk that passes plays without a run-time error.

#include <cstddef>
#include <string>

#include "sim/walk.h"

class WalkCheck {
public:
    // Checks the start.
    explicit WalkCheck(Walk& walk);

    // Checks the records from where the last call stopped up to `end` (a
    // whole number of records), adding their ticks to the walk's.
    void through(std::size_t end);
    // What is wrong, in a few words; empty while nothing is.
    const std::string& problem() const { return wrong; }

private:
    Walk& walk;
    std::size_t checked = 0;
    int levels = 0;
    std::string wrong;
};
