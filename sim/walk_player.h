// SPDX-License-Identifier: MIT
#pragma once
// Plays a walk that passed its check, pass by pass, and compares the poses
// the replay reaches with those the walk recorded: at each checkpoint on the
// way and at its end.

#include <cstdint>
#include <optional>
#include <string>

#include "sim/walk.h"
#include "sim/walk_records.h"

class WalkPlayer {
public:
    // The walk must outlive the player.
    explicit WalkPlayer(const Walk& walk);

    // Before each pass: the pass to run, or a level to change to first (then
    // the next call gives the pass), or nothing once the walk is played. The
    // state is as the passes before left it; the poses recorded up to here
    // are compared with it.
    std::optional<WalkStep> next(const GameState& state);

    std::int64_t ticksPlayed() const { return played; }
    // Where the replay first stood elsewhere than the recording.
    std::optional<std::int64_t> firstDifference() const { return differsAt; }
    // Whether the walk was played to its end and ended where the recording did.
    bool matchesEnd() const { return endMatched; }
    // One line for the user: the ticks played and how the poses compared.
    std::string verdict() const;

private:
    void compare(const Pose& now, std::int64_t ticks, const Pose& recorded);

    const Walk& walk;
    WalkReader<ByteReader> reader;
    std::size_t nextCheckpoint = 0;
    std::int64_t played = 0;
    std::int64_t lastCompared = 0;
    std::optional<std::int64_t> differsAt;
    bool ended = false;
    bool endMatched = false;
};
