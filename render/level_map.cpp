// SPDX-License-Identifier: MIT
#include "render/level_map.h"

#include <algorithm>
#include <array>
#include <cmath>

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

Rgb walkColour(const WallColumn& wall)
{
    return wall.foundOnYLine() ? mapColours::yLineWalk : mapColours::xLineWalk;
}

// The stretch of grid line that the ray met: one cell's side.
void drawFace(const Canvas& canvas, const LevelMapping& to, const WallColumn& wall, std::int32_t thickness,
              std::int32_t dash)
{
    const Rgb colour = walkColour(wall);
    if (wall.foundOnYLine()) {
        const double left = std::floor(wall.hitX);
        canvas.line(to.x(left), to.y(wall.hitY), to.x(left + 1), to.y(wall.hitY), colour, thickness, dash);
    } else {
        const double top = std::floor(wall.hitY);
        canvas.line(to.x(wall.hitX), to.y(top), to.x(wall.hitX), to.y(top + 1), colour, thickness, dash);
    }
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
    // Thin on a small map, thicker when a cell is large enough to show it.
    const std::int32_t faceThickness = to.cellPixels >= 8 ? 3 : 1;
    const std::int32_t clippedThickness = to.cellPixels >= 8 ? 2 : 1;
    const double playerX = to.x(state.playerX);
    const double playerY = to.y(state.playerY);
    const auto ray = [&](const ColumnRun& r, Rgb colour, std::int32_t thickness, std::int32_t dash) {
        canvas.line(playerX, playerY, to.x(r.wall.hitX), to.y(r.wall.hitY), colour, thickness, dash);
    };
    const auto clipped = [viewWidth](const ColumnRun& r) { return r.firstColumn >= viewWidth; };
    for (const ColumnRun& r : rays) {
        if (!clipped(r)) ray(r, walkColour(r.wall).shade(mapColours::rayShade), 1, 0);
    }
    for (const ColumnRun& r : rays) {
        if (!clipped(r)) drawFace(canvas, to, r.wall, faceThickness, 0);
    }
    for (const ColumnRun& r : rays) {
        if (clipped(r)) {
            ray(r, walkColour(r.wall), clippedThickness, 4);
            drawFace(canvas, to, r.wall, faceThickness, 3);
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
