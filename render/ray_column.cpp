// SPDX-License-Identifier: MIT
#include "render/ray_column.h"

#include <cmath>
#include <limits>
#include <string>

#include "assets/picture_sizes.h"
#include "base/checked.h"
#include "sim/game_state.h"

namespace {

// The crossings of the ray with one family of grid lines, one line per step.
struct LineWalk {
    double x = 0;
    double y = 0;
    double stepX = 0;
    double stepY = 0;
    // Taken off the crossed line's coordinate to name the cell beyond it:
    // 1 when the walk runs toward -x or -y, 0 otherwise. Only the whole
    // coordinate of the walk has one; the other stays 0.
    std::int16_t adjustX = 0;
    std::int16_t adjustY = 0;
};

// Closed at both ends: a crossing on the first or the last line is still inside. A
// crossing that is not a number (only from a player position that is not
// finite) counts as outside; the distances are then not finite either and
// fail the checked conversion to a 32-bit float.
bool insideGrid(double x, double y)
{
    constexpr double lastLine = MapCells::Size - 1;
    return x >= 0 && x <= lastLine && y >= 0 && y <= lastLine;
}

// Crossings with the lines y = k. Exactly 90 and 270 count as running toward
// +y; their huge table tangents put the first crossing far outside the grid.
// The steps read the table at the angle already wrapped into 0..359, through
// lTan, which wraps it again to no effect and checks the index.
LineWalk startYLineWalk(const GameState& state, double rayAngle)
{
    const std::int16_t angle = checked::toInt16(rayAngle, "rayAngle");
    const std::int16_t A = normaliseAngle(angle);
    LineWalk walk;
    if (90 < A && A < 270) {
        walk.y = std::floor(double{state.playerY});
        walk.stepY = -1;
        walk.stepX = -lTan(state.tanTable, A);
        walk.adjustY = 1;
    } else {
        walk.y = std::floor(double{state.playerY}) + 1;
        walk.stepY = 1;
        walk.stepX = lTan(state.tanTable, A);
    }
    walk.x = state.playerX + (walk.y - state.playerY) * double{lTan(state.tanTable, angle)};
    return walk;
}

// Crossings with the lines x = k. The step takes the table entry at
// rayAngle - 90 and the first crossing the one at rayAngle + 90: the two are
// close but not always equal, and each belongs where it is used.
LineWalk startXLineWalk(const GameState& state, double rayAngle)
{
    const std::int16_t B = normaliseAngle(checked::toInt16(rayAngle - 90, "rayAngle - 90"));
    LineWalk walk;
    if (90 < B && B < 270) {
        walk.x = std::floor(double{state.playerX});
        walk.stepX = -1;
        walk.stepY = lTan(state.tanTable, B);
        walk.adjustX = 1;
    } else {
        walk.x = std::floor(double{state.playerX}) + 1;
        walk.stepX = 1;
        walk.stepY = -lTan(state.tanTable, B);
    }
    const float tangent = lTan(state.tanTable, checked::toInt16(rayAngle + 90, "rayAngle + 90"));
    walk.y = state.playerY - (walk.x - state.playerX) * double{tangent};
    return walk;
}

// A walk goes on until it reads a wall or leaves the grid, and leaves in
// `code` the last cell code it read. Inside the grid the coordinates are at
// least 0, where truncation is the floor. The cell reads are checked, so a
// grid without a solid ring fails instead of reading past its edge.
// Flattened, the checks cost a compare each per step.
[[gnu::flatten]] void walkLines(const MapCells& mapCells, LineWalk& walk, std::int16_t& code)
{
    double x = walk.x;
    double y = walk.y;
    std::int16_t last = code;
    while (insideGrid(x, y)) {
        last = mapCells(static_cast<std::int64_t>(x) - walk.adjustX,
                        static_cast<std::int64_t>(y) - walk.adjustY);
        if (last != 0) break;
        x += walk.stepX;
        y += walk.stepY;
    }
    walk.x = x;
    walk.y = y;
    code = last;
}

// A walk that found no wall is measured to its last crossing all the same.
double distanceTo(const GameState& state, const LineWalk& walk)
{
    const double dx = state.playerX - walk.x;
    const double dy = state.playerY - walk.y;
    return std::sqrt(dx * dx + dy * dy);
}

// Where along the face the ray hit, as one of the source columns of a face.
double faceColumn(double alongFace)
{
    return std::floor((alongFace - std::floor(alongFace)) * textureFace);
}

// The tallest wall column: the largest height a 32-bit wallHeight holds. A
// quotient from here up rounds to a whole number beyond it.
constexpr std::int32_t tallestWall = std::numeric_limits<std::int32_t>::max();
constexpr double tallestQuotient = tallestWall + 0.5;

}  // namespace

std::int32_t columnRayOffset(std::int32_t screenColumn, std::int32_t width)
{
    // Whole numbers all the way: no rounding can move a column to the
    // neighbouring degree. A view with no width has no column to divide by.
    if (width <= 0) {
        throw RuntimeError("Division by zero: the view is " + std::to_string(width) +
                           " pixels wide");
    }
    return static_cast<std::int32_t>(fieldOfView * std::int64_t{screenColumn} / width) - fieldOfView / 2;
}

WallColumn castColumn(const GameState& state, std::int32_t rayOffset, float height,
                      LastWallCodes& lastCodes)
{
    const double rayAngle = std::floor(double{state.playerAngle} + rayOffset);
    LineWalk yLine = startYLineWalk(state, rayAngle);
    LineWalk xLine = startXLineWalk(state, rayAngle);
    walkLines(state.mapCells, yLine, lastCodes.yLineCode);
    walkLines(state.mapCells, xLine, lastCodes.xLineCode);
    const double yLineDistance = distanceTo(state, yLine);
    const double xLineDistance = distanceTo(state, xLine);

    // Equal distances, a ray through a grid corner, take the x-line wall.
    // Faces on lines y = k take the darker half of the texture.
    WallColumn column;
    double distance = 0;
    if (yLineDistance < xLineDistance) {
        distance = yLineDistance;
        column.wallCode = lastCodes.yLineCode;
        column.textureColumn = checked::toInt16(faceColumn(yLine.x) + textureFace, "textureColumn");
        column.hitX = yLine.x;
        column.hitY = yLine.y;
    } else {
        distance = xLineDistance;
        column.wallCode = lastCodes.xLineCode;
        column.textureColumn = checked::toInt16(faceColumn(xLine.y), "textureColumn");
        column.hitX = xLine.x;
        column.hitY = xLine.y;
    }

    // The cosine of the same whole-degree offset that turned the ray keeps a
    // flat wall facing the player an even band.
    const float uncorrected = checked::toSingle(distance, "wallDistance");
    const float cosine = lCos(state.sinTable, checked::toInt16(rayOffset, "rayOffset"));
    column.wallDistance = checked::toSingle(double{uncorrected} * cosine, "wallDistance");
    // However near the wall, height / distance is its height in rows while
    // that fits 32 bits. Only a player on a face, or within a few
    // ten-millionths of a cell of one, sees it at a distance of 0, or one so
    // small that the quotient leaves 32 bits; there the wall takes the
    // tallest height that fits. The heights from just farther away end
    // there too, so the view shows the same middle texel rows; wallTop still
    // fits 32 bits, and the scaled copy works out only the rows in view, each
    // exactly, so every step after this one stays exact.
    const double quotient = column.wallDistance > 0 ? double{height} / column.wallDistance : tallestQuotient;
    column.wallHeight = quotient < tallestQuotient ? checked::toInt32(quotient, "wallHeight") : tallestWall;
    const double halfHeight = static_cast<double>(column.wallHeight) / 2;
    column.wallTop = checked::toInt32(double{height} / 2 - halfHeight, "wallTop");
    return column;
}
