// SPDX-License-Identifier: MIT
#include "sim/tick.h"

#include <cmath>
#include <cstddef>
#include <optional>
#include <utility>

#include "angles/angles.h"
#include "base/checked.h"
#include "input/key_codes.h"
#include "sim/game_state.h"

namespace {

using vk::leftArrow;
using vk::upArrow;
using vk::rightArrow;
using vk::downArrow;
using vk::comma;
using vk::fullStop;

constexpr float turningStep = 2.0f;
constexpr double walkingStep = 0.04;
constexpr float sidestepOffset = 90.0f;
constexpr float wholeTurn = 360.0f;

struct Candidate {
    double x;
    double y;
};

float turned(float angle, float step)
{
    return checked::toSingle(double{angle} + double{step}, "playerAngle");
}

// One step from the current position along the whole-degree direction
// nearest `angle`; a negative step walks backward.
Candidate stepFrom(const GameState& state, double angle, double step)
{
    const std::int16_t w = checked::toInt16(angle, "walking angle");
    return {static_cast<double>(state.playerX) +
                static_cast<double>(lSin(state.sinTable, w)) * step,
            static_cast<double>(state.playerY) +
                static_cast<double>(lCos(state.sinTable, w)) * step};
}

}  // namespace

void runTick(GameState& state)
{
    const auto held = [&state](std::size_t code) { return state.keyState[code] != falseFlag; };

    // The mouse first, then left then right, so holding both keys cancels.
    if (state.mouseTurn != 0) state.playerAngle = turned(state.playerAngle, std::exchange(state.mouseTurn, 0));
    if (held(leftArrow)) state.playerAngle = turned(state.playerAngle, -turningStep);
    if (held(rightArrow)) state.playerAngle = turned(state.playerAngle, turningStep);
    // Whole turns are dropped so that the angle, and the angle plus the
    // offsets its readers add, always fits the 16-bit whole-degree
    // conversion. Every reader rounds to whole degrees and wraps those modulo
    // 360, and the angle is a whole even number, so neither a drawn column
    // nor a step changes. fmod is exact, so the result stays whole.
    state.playerAngle = std::fmod(state.playerAngle, wholeTurn);

    // Each held walking key replaces the candidate of the keys before it, so
    // only the last one in this order moves the player.
    const double angle = state.playerAngle;
    std::optional<Candidate> candidate;
    if (held(upArrow)) candidate = stepFrom(state, angle, walkingStep);
    if (held(downArrow)) candidate = stepFrom(state, angle, -walkingStep);
    if (held(comma)) candidate = stepFrom(state, angle - sidestepOffset, walkingStep);
    if (held(fullStop)) candidate = stepFrom(state, angle + sidestepOffset, walkingStep);
    if (!candidate) return;

    // Only the candidate's own cell decides; when it is a wall the player
    // slides along y if that cell is open, else along x. The cells are those
    // of the 64-bit candidate, but the position is stored in 32 bits, and a
    // candidate a hair below a cell edge is stored on the edge, inside the
    // next cell. So each move also needs the cell of the position as it will
    // be stored to be open; where it is not, the next move is tried. That
    // changes only moves that would have left the player inside a wall.
    const std::int64_t cx = checked::floorToInt(candidate->x, "candidate x");
    const std::int64_t cy = checked::floorToInt(candidate->y, "candidate y");
    const std::int64_t px = checked::floorToInt(state.playerX, "playerX");
    const std::int64_t py = checked::floorToInt(state.playerY, "playerY");
    const float newX = checked::toSingle(candidate->x, "playerX");
    const float newY = checked::toSingle(candidate->y, "playerY");
    const std::int64_t sx = checked::floorToInt(newX, "playerX");
    const std::int64_t sy = checked::floorToInt(newY, "playerY");
    // A stored cell is read only after the cell of the same move tested
    // open, so with the level's solid ring it lies inside the grid.
    const auto open = [&state](std::int64_t x, std::int64_t y) { return state.mapCells(x, y) == 0; };
    if (open(cx, cy) && open(sx, sy)) {
        state.playerX = newX;
        state.playerY = newY;
    } else if (open(px, cy) && open(px, sy)) {
        state.playerY = newY;
    } else if (open(cx, py) && open(sx, py)) {
        state.playerX = newX;
    }
}
