// SPDX-License-Identifier: MIT
#pragma once
// One fixed 8 ms simulation tick: the held keys turn and walk the player,
// and the level's walls stop them or let them slide.

struct GameState;

void runTick(GameState& state);
