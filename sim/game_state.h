// SPDX-License-Identifier: MIT
#pragma once
// Everything that outlives a single call: one record, owned by the window.

#include <array>
#include <cstdint>

#include "angles/angles.h"
#include "assets/map_cells.h"
#include "base/flag.h"
#include "input/key_codes.h"

struct GameState {
    std::int32_t framesPerSecond = 0;
    float playerX = 0;
    float playerY = 0;
    float playerAngle = 0;  // degrees; 0 looks along +y, 90 along +x
    AngleTable sinTable{};
    AngleTable tanTable{};
    std::array<Flag, vk::codeCount> keyState{};  // indexed by virtual-key code
    MapCells mapCells;
    Flag quitRequested = falseFlag;
    // Whole degrees the mouse turned the player during the last pass; the
    // pass's first tick turns by them and clears them.
    std::int16_t mouseTurn = 0;
    // Simulation ticks run since start-up. The game never reads it; it lets a
    // test count ticks instead of inferring them from where the player went.
    std::int64_t ticksRun = 0;
};
