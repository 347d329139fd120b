// SPDX-License-Identifier: MIT
#pragma once
// A walk being played in the window, and what the user does meanwhile: the
// actions their own keys hold, for when they take over, and a file they
// dropped, which waits until the end.

#include <optional>
#include <string>
#include <utility>

#include "sim/walk_player.h"

struct WalkReplay {
    WalkReplay(Walk played, std::string name) : walk(std::move(played)), name(std::move(name)) {}
    // The player holds on to the walk.
    WalkReplay(const WalkReplay&) = delete;
    WalkReplay& operator=(const WalkReplay&) = delete;

    Walk walk;
    std::string name;
    WalkPlayer player{walk};
    Actions liveHeld;
    std::optional<std::string> droppedFile;
};
