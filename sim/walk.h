// SPDX-License-Identifier: MIT
#pragma once
// A walk: the passes of the main loop as a demo or a walk link keeps them,
// enough to play the walk again tick for tick. Each pass ran some ticks with
// one set of held actions, the mouse's turn at its first tick; between
// passes the level may change.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "input/actions.h"

struct GameState;

// Where the player stands and faces. Two poses are the same only when every
// bit is.
struct Pose {
    float x = 0;
    float y = 0;
    float angle = 0;
    bool operator==(const Pose& other) const;
};

Pose poseOf(const GameState& state);
void place(GameState& state, const Pose& pose);

// The six codes the simulation reads, as the actions they stand for.
Actions heldActions(const GameState& state);
void holdActions(GameState& state, const Actions& held);

// A pass runs at most as many ticks as the main loop runs after its longest
// backlog, 32767 ms of 8 ms ticks.
inline constexpr std::int32_t mostTicksPerPass = 4095;
// A walk that claims more than a day of ticks is refused, so no replay of a
// damaged or made-up file runs for months.
inline constexpr std::int64_t mostWalkTicks = 24 * 60 * 60 * 1000 / 8;

struct WalkPass {
    std::int32_t ticks = 1;
    Actions held;
    // Whole degrees, added at the first tick; the keys turn as ever after it.
    std::int16_t turn = 0;
};

// A recorded pose part way, to tell where a replay first went elsewhere:
// `ticks` into the walk, once `recordsEnd` bytes of records are played.
struct Checkpoint {
    std::size_t recordsEnd = 0;
    std::int64_t ticks = 0;
    Pose pose;
};

struct WalkEnd {
    std::int64_t ticks = 0;
    Pose pose;
};

struct Walk {
    Pose start;
    // The level played at the start, as its link text.
    std::string level;
    // The passes and level changes, coded as walk_records.h says.
    std::vector<unsigned char> records;
    std::vector<Checkpoint> checkpoints;
    // Absent when the walk was cut short; `damage` then says where.
    std::optional<WalkEnd> end;
    std::string damage;
    std::int64_t ticks = 0;  // what the records add up to
};
