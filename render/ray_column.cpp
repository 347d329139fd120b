#include "render/ray_column.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/checked.h"

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

// Closed at both ends: a crossing on line 0 or line 63 is still inside. A
// crossing that is not a number (only from a player position that is not
// finite) counts as outside; the distances are then not finite either and
// fail the checked conversion to a 32-bit float.
bool insideGrid(double x, double y)
{
    return x >= 0 && x <= 63 && y >= 0 && y <= 63;
}

double tableTangent(const AngleTable& tanTable, std::int16_t angle)
{
    return tanTable[checked::index(angle, tanTable.size(), "tanTable index")];
}

// Crossings with the lines y = k. Exactly 90 and 270 count as running toward
// +y; their huge table tangents put the first crossing far outside the grid.
LineWalk startYLineWalk(const GameState& state, double rayAngle)
{
    const std::int16_t angle = checked::toInt16(rayAngle, "rayAngle");
    const std::int16_t A = normaliseAngle(angle);
    LineWalk walk;
    if (90 < A && A < 270) {
        walk.y = std::floor(double{state.playerY});
        walk.stepY = -1;
        walk.stepX = -tableTangent(state.tanTable, A);
        walk.adjustY = 1;
    } else {
        walk.y = std::floor(double{state.playerY}) + 1;
        walk.stepY = 1;
        walk.stepX = tableTangent(state.tanTable, A);
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
        walk.stepY = tableTangent(state.tanTable, B);
        walk.adjustX = 1;
    } else {
        walk.x = std::floor(double{state.playerX}) + 1;
        walk.stepX = 1;
        walk.stepY = -tableTangent(state.tanTable, B);
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

// Where along the face the ray hit, as one of 64 source columns.
double faceColumn(double alongFace)
{
    return std::floor((alongFace - std::floor(alongFace)) * 64);
}

}  // namespace

std::int32_t columnRayOffset(std::int32_t screenColumn, std::int32_t width)
{
    // Whole numbers all the way: no rounding can move a column to the
    // neighbouring degree. A view with no width has no column to divide by.
    if (width <= 0) {
        throw RuntimeError("Division by zero: the view is " + std::to_string(width) +
                           " pixels wide");
    }
    return static_cast<std::int32_t>(70 * std::int64_t{screenColumn} / width) - 35;
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
        column.textureColumn = checked::toInt16(faceColumn(yLine.x) + 64, "textureColumn");
    } else {
        distance = xLineDistance;
        column.wallCode = lastCodes.xLineCode;
        column.textureColumn = checked::toInt16(faceColumn(xLine.y), "textureColumn");
    }

    // The cosine of the same whole-degree offset that turned the ray keeps a
    // flat wall facing the player an even band.
    const float uncorrected = checked::toSingle(distance, "wallDistance");
    const float cosine = lCos(state.sinTable, checked::toInt16(rayOffset, "rayOffset"));
    const float corrected = checked::toSingle(double{uncorrected} * cosine, "wallDistance");
    // A player standing exactly on a face sees it at distance 0 (or a few
    // ten-millionths of a cell), where height / distance is infinite or
    // leaves 32 bits. At 1/256 of a cell the wall is 256 view heights tall and
    // the view shows the middle texel row or two, as it would from nearer
    // still, while the height keeps 32 bits for views up to eight million rows.
    column.wallDistance = std::max(corrected, nearestWallDistance);
    column.wallHeight = checked::toInt32(double{height} / column.wallDistance, "wallHeight");
    const double halfHeight = static_cast<double>(column.wallHeight) / 2;
    column.wallTop = checked::toInt32(double{height} / 2 - halfHeight, "wallTop");
    return column;
}
