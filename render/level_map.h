// SPDX-License-Identifier: MIT
#pragma once
// The level from above, with the rays of one frame and the player: the map
// panel beside the view draws it, and so does the ray diagram in tools/.
//
// It is drawn flipped left to right. The level picture as painted is the
// level seen from below: facing down it, +x (its right) is on the right of
// the view. Flipped, x grows to the left and y downward, and what lies on
// the left of someone standing on the map and facing the heading is on the
// left of the view as well.

#include <cstdint>
#include <span>

#include "assets/map_cells.h"
#include "gfx/canvas.h"
#include "gfx/rgb.h"
#include "render/raycast.h"

struct GameState;

namespace mapColours {

inline constexpr Rgb grid{46, 46, 52};
inline constexpr Rgb player{255, 255, 255};
inline constexpr Rgb outline{0, 0, 0};
// A ray and the face it hits take the colour of the walk that found it; the
// ray a darker shade (tenths of the face's), so the faces stand out.
inline constexpr Rgb xLineWalk{255, 150, 30};
inline constexpr Rgb yLineWalk{60, 165, 255};
inline constexpr int rayShade = 6;
// The floor a frame shows, where the rays are too close to tell apart.
inline constexpr Rgb fieldOfView{88, 74, 40};

}  // namespace mapColours

// The colour of a cell's pixel in the level picture.
Rgb levelColour(std::int16_t code);

// Each wall kind has a pattern of its level colour and a darker shade of it,
// so kinds differ without colour too: pixel (x, y) of a cell's square drawn
// `cellPixels` a side is in the darker shade where this is false.
bool patternInk(std::int16_t code, std::int32_t x, std::int32_t y, std::int32_t cellPixels);
// One cell's square, `side` pixels, with its top-left corner at (left, top).
void drawCell(const Canvas& canvas, std::int32_t left, std::int32_t top, std::int32_t side, std::int16_t code);

// Where the level lands on a canvas: `cells` cells a side from `first`,
// each `cellPixels` pixels a side.
struct LevelMapping {
    CellPosition first;
    std::int32_t cells;
    std::int32_t cellPixels;

    // `cells` a side around the player, within the grid.
    static LevelMapping around(float playerX, float playerY, std::int32_t cells, std::int32_t cellPixels);

    double x(double levelX) const { return (first.x + cells - levelX) * cellPixels; }
    double y(double levelY) const { return (levelY - first.y) * cellPixels; }
    // And back: the point of the level at a point of the canvas.
    double levelX(double canvasX) const { return first.x + cells - canvasX / cellPixels; }
    double levelY(double canvasY) const { return first.y + canvasY / cellPixels; }
};

// Each cell shown as a square in its level colour and pattern; with a grid,
// the top and left edges of open cells in the grid's colour.
void drawCells(const Canvas& canvas, const LevelMapping& to, const MapCells& cells, bool grid);

// The rays of a frame `viewWidth` columns wide, each from the player to the
// face it hit, and the faces over them; the ray of the column just past the
// right edge, which is cast but never shown, and its face dashed. Where a
// cell is too small to tell the rays apart, the floor they cross is filled
// instead, up to the faces.
void drawFrameRays(const Canvas& canvas, const LevelMapping& to, const GameState& state,
                   std::span<const ColumnRun> rays, std::int32_t viewWidth);

// The player as a dot with a mark toward the heading.
void drawPlayer(const Canvas& canvas, const LevelMapping& to, const GameState& state);
