// SPDX-License-Identifier: MIT
#include "render/level_map.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "assets/map_decoding.h"
#include "base/checked.h"
#include "sim/game_state.h"

namespace {

// Four rows of four pixels, the top row in the high bits; a set bit is ink.
using Pattern = std::uint16_t;
// Solid, stripes across, stripes down, a chequer, a ring: one a wall kind,
// over again from the first for kinds beyond the fifth.
constexpr std::array<Pattern, 5> wallPatterns{0xFFFF, 0xF0F0, 0xAAAA, 0xA5A5, 0xF99F};
constexpr std::int32_t patternSide = 4;
// The fewest pixels a cell at which each ray of a frame is drawn as a line.
constexpr std::int32_t distinctRays = 8;

Rgb walkColour(const WallColumn& wall)
{
    return wall.foundOnYLine() ? mapColours::yLineWalk : mapColours::xLineWalk;
}

// The grid line a face lies on, and the cell along it: hits lie on walls of
// the grid, where truncation is the floor.
struct Face {
    bool acrossX;
    std::int32_t line;
    std::int32_t cell;
    bool operator==(const Face&) const = default;
};

Face faceOf(const WallColumn& wall)
{
    const bool acrossX = wall.foundOnYLine();
    return {acrossX, static_cast<std::int32_t>(std::clamp(acrossX ? wall.hitY : wall.hitX, 0.0, 64.0)),
            static_cast<std::int32_t>(std::clamp(acrossX ? wall.hitX : wall.hitY, 0.0, 63.0))};
}

// The stretch of grid line that the ray met: one cell's side.
void drawFace(const Canvas& canvas, const LevelMapping& to, const WallColumn& wall, std::int32_t thickness,
              std::int32_t dash)
{
    const Rgb colour = walkColour(wall);
    const auto [acrossX, line, cell] = faceOf(wall);
    const double x0 = acrossX ? to.x(cell + 1) : to.x(line);
    const double y0 = acrossX ? to.y(line) : to.y(cell);
    if (dash > 0) {
        canvas.line(x0, y0, acrossX ? to.x(cell) : x0, acrossX ? y0 : to.y(cell + 1), colour, thickness, dash);
        return;
    }
    // A solid face is a thin rectangle along its grid line, centred on it.
    const std::int32_t before = (thickness - 1) / 2;
    const std::int32_t left = static_cast<std::int32_t>(x0) - (acrossX ? 0 : before);
    const std::int32_t top = static_cast<std::int32_t>(y0) - (acrossX ? before : 0);
    const std::int32_t length = to.cellPixels + 1;
    canvas.fill(left, top, acrossX ? length : thickness, acrossX ? thickness : length, colour);
}


// Where the ray of a run hit, how far that is along it, in cells, and the
// grid line the face lies on.
struct Hit {
    double x;
    double y;
    double distance;
    bool acrossX;
    double line;
};

Hit hitOf(const GameState& state, const ColumnRun& run)
{
    const WallColumn& wall = run.wall;
    const double dx = wall.hitX - state.playerX;
    const double dy = wall.hitY - state.playerY;
    return {wall.hitX, wall.hitY, std::sqrt(dx * dx + dy * dy), wall.foundOnYLine(),
            wall.foundOnYLine() ? wall.hitY : wall.hitX};
}

// Where a cell is too small to tell the rays apart, they fill the floor the
// frame shows: the polygon from the player out along the first ray, from
// hit to hit, and back along the last. Between hits on one grid line it
// follows the wall; between hits on two, it goes only as far as the nearer,
// then out along the farther ray, never over a wall that stands in front of
// the farther one.
void drawFieldOfView(const Canvas& canvas, const LevelMapping& to, const GameState& state,
                     std::span<const ColumnRun> rays)
{
    std::array<CanvasPoint, 2 * ColumnRuns::capacity + 1> corners;
    std::size_t count = 0;
    const auto corner = [&](double x, double y) { corners[count++] = {to.x(x), to.y(y)}; };
    // The point on the ray to `hit` at `distance` from the player.
    const auto along = [&](const Hit& hit, double distance) {
        const double share = hit.distance > 0 ? distance / hit.distance : 0;
        corner(state.playerX + (hit.x - state.playerX) * share, state.playerY + (hit.y - state.playerY) * share);
    };
    corner(state.playerX, state.playerY);
    bool onLine = false;  // whether the last two corners lie on one wall
    for (std::size_t i = 0; i < rays.size(); ++i) {
        const Hit hit = hitOf(state, rays[i]);
        const Hit before = i > 0 ? hitOf(state, rays[i - 1]) : hit;
        const bool sameWall = i > 0 && hit.acrossX == before.acrossX && hit.line == before.line;
        // Along one wall the corner between two hits on it is not needed.
        if (sameWall && onLine) --count;
        if (!sameWall && hit.distance > before.distance) along(hit, before.distance);
        if (!sameWall && hit.distance < before.distance) along(before, hit.distance);
        onLine = sameWall;
        corner(hit.x, hit.y);
    }
    canvas.polygon(std::span(corners.data(), count), mapColours::fieldOfView);
}

}  // namespace

Rgb levelColour(std::int16_t code)
{
    for (const LevelColour& entry : levelColours) {
        // 0x00BBGGRR, as the picture's pixels read.
        if (entry.code == code) {
            return {static_cast<std::uint8_t>(entry.colour), static_cast<std::uint8_t>(entry.colour >> 8),
                    static_cast<std::uint8_t>(entry.colour >> 16)};
        }
    }
    checked::outOfRange("wall code", code, levelColours.size());
}

bool patternInk(std::int16_t code, std::int32_t x, std::int32_t y, std::int32_t cellPixels)
{
    if (code == 0) return true;
    const Pattern pattern = wallPatterns[std::size_t(code - 1) % wallPatterns.size()];
    const std::int32_t column = x * patternSide / cellPixels;
    const std::int32_t row = y * patternSide / cellPixels;
    return (pattern >> (15 - row * patternSide - column) & 1) != 0;
}

void drawCell(const Canvas& canvas, std::int32_t left, std::int32_t top, std::int32_t side, std::int16_t code)
{
    const Rgb ink = levelColour(code);
    const Rgb shade = ink.shade(4);
    for (std::int32_t y = 0; y < side; ++y) {
        for (std::int32_t x = 0; x < side; ++x) canvas.plot(left + x, top + y, patternInk(code, x, y, side) ? ink : shade);
    }
}

LevelMapping LevelMapping::around(float playerX, float playerY, std::int32_t cells, std::int32_t cellPixels)
{
    const auto first = [cells](float player) {
        const double start = std::floor(double{player} - cells / 2.0 + 0.5);
        return checked::toInt32(std::clamp(start, 0.0, double(MapCells::Size - cells)), "first cell");
    };
    return {{first(playerX), first(playerY)}, cells, cellPixels};
}

void drawCells(const Canvas& canvas, const LevelMapping& to, const MapCells& cells, bool grid)
{
    const std::int32_t side = to.cellPixels;
    for (std::int32_t j = 0; j < to.cells; ++j) {
        for (std::int32_t i = 0; i < to.cells; ++i) {
            const std::int16_t code = cells(to.first.x + i, to.first.y + j);
            const std::int32_t left = checked::toInt32(to.x(to.first.x + i + 1), "cell left");
            const std::int32_t top = j * side;
            drawCell(canvas, left, top, side, code);
            if (grid && code == 0) {
                canvas.fill(left, top, side, 1, mapColours::grid);
                canvas.fill(left, top, 1, side, mapColours::grid);
            }
        }
    }
}

void drawFrameRays(const Canvas& canvas, const LevelMapping& to, const GameState& state,
                   std::span<const ColumnRun> rays, std::int32_t viewWidth)
{
    const auto clipped = [viewWidth](const ColumnRun& r) { return r.firstColumn >= viewWidth; };
    if (to.cellPixels < distinctRays) {
        drawFieldOfView(canvas, to, state, rays);
        // Neighbouring rays often meet one face; it is drawn once.
        const ColumnRun* last = nullptr;
        for (const ColumnRun& r : rays) {
            if (clipped(r) || (last && faceOf(last->wall) == faceOf(r.wall))) continue;
            drawFace(canvas, to, r.wall, 1, 0);
            last = &r;
        }
        return;
    }
    const double playerX = to.x(state.playerX);
    const double playerY = to.y(state.playerY);
    const auto ray = [&](const ColumnRun& r, Rgb colour, std::int32_t thickness, std::int32_t dash) {
        canvas.line(playerX, playerY, to.x(r.wall.hitX), to.y(r.wall.hitY), colour, thickness, dash);
    };
    for (const ColumnRun& r : rays) {
        if (!clipped(r)) ray(r, walkColour(r.wall).shade(mapColours::rayShade), 1, 0);
    }
    for (const ColumnRun& r : rays) {
        if (!clipped(r)) drawFace(canvas, to, r.wall, 3, 0);
    }
    for (const ColumnRun& r : rays) {
        if (clipped(r)) {
            ray(r, walkColour(r.wall), 2, 4);
            drawFace(canvas, to, r.wall, 3, 3);
        }
    }
}

void drawPlayer(const Canvas& canvas, const LevelMapping& to, const GameState& state)
{
    // The direction of angle a is (sin a, cos a), and x grows to the left.
    const std::int16_t heading = checked::toInt16(state.playerAngle, "playerAngle");
    const double x = to.x(state.playerX);
    const double y = to.y(state.playerY);
    const double radius = std::max(std::min(4.0, to.cellPixels / 2.0 + 0.5), to.cellPixels * 0.12);
    const double markLength = radius + 10;
    const double headingX = x - lSin(state.sinTable, heading) * markLength;
    const double headingY = y + lCos(state.sinTable, heading) * markLength;
    const std::int32_t thickness = to.cellPixels >= 8 ? 2 : 1;
    canvas.line(x, y, headingX, headingY, mapColours::outline, thickness + 2);
    canvas.line(x, y, headingX, headingY, mapColours::player, thickness);
    canvas.disc(x, y, radius + 1.5, mapColours::outline);
    canvas.disc(x, y, radius, mapColours::player);
}
