// SPDX-License-Identifier: MIT
#include "tools/ray_diagram/level_panel.h"

#include <algorithm>
#include <cmath>

#include "base/checked.h"
#include "tools/ray_diagram/palette.h"

namespace {

// Where a point of the level lands in the panel. The level picture as
// painted is the level seen from below: facing down it, +x (its right) is on
// the right of the screen. Flipped left to right, x grows to the left and y
// downward, and what lies on the left of someone standing on the panel and
// facing the heading is on the left of the screen, as in the view.
class LevelMapping {
public:
    LevelMapping(const GameState& state, std::int32_t zoom)
        : cells(MapCells::Size / zoom), cellPixels(levelCellPixels * zoom),
          first{around(state.playerX), around(state.playerY)}
    {
    }

    double x(double levelX) const { return (first.x + cells - levelX) * cellPixels; }
    double y(double levelY) const { return (levelY - first.y) * cellPixels; }

    const std::int32_t cells;        // shown a side
    const std::int32_t cellPixels;   // a side of a cell
    const CellPosition first;        // the shown cell nearest (0, 0)

private:
    // The first of `cells` cells centred on the player, within the grid.
    std::int32_t around(float playerCoordinate) const
    {
        const double start = std::floor(double{playerCoordinate} - cells / 2.0 + 0.5);
        return checked::toInt32(std::clamp(start, 0.0, static_cast<double>(MapCells::Size - cells)), "first cell");
    }
};

// Each cell in its colour, its top and left edges in the grid's (a wall's
// in a darker shade of its own).
void drawCells(const Canvas& panel, const LevelMapping& to, const GameState& state,
               const std::array<Rgb, textureSlots>& wallColours)
{
    for (std::int32_t j = 0; j < to.cells; ++j) {
        for (std::int32_t i = 0; i < to.cells; ++i) {
            const std::int16_t code = state.mapCells(to.first.x + i, to.first.y + j);
            const Rgb colour = code == 0 ? palette::floor : wallColours[checked::index(code, textureSlots, "wall code")];
            const std::int32_t left = checked::toInt32(to.x(to.first.x + i + 1), "cell left");
            const std::int32_t top = j * to.cellPixels;
            panel.fill(left, top, to.cellPixels, to.cellPixels, code == 0 ? palette::grid : colour.shade(8));
            panel.fill(left + 1, top + 1, to.cellPixels - 1, to.cellPixels - 1, colour);
        }
    }
}

Rgb walkColour(const WallColumn& wall) { return wall.foundOnYLine() ? palette::yLineWalk : palette::xLineWalk; }

// The stretch of grid line that the ray met: one cell's side.
void drawFace(const Canvas& panel, const LevelMapping& to, const WallColumn& wall, std::int32_t dash)
{
    const Rgb colour = walkColour(wall);
    if (wall.foundOnYLine()) {
        const double left = std::floor(wall.hitX);
        panel.line(to.x(left), to.y(wall.hitY), to.x(left + 1), to.y(wall.hitY), colour, 3, dash);
    } else {
        const double top = std::floor(wall.hitY);
        panel.line(to.x(wall.hitX), to.y(top), to.x(wall.hitX), to.y(top + 1), colour, 3, dash);
    }
}

}  // namespace

void drawLevel(const Canvas& panel, const Scene& scene, const RaysView& view, std::int32_t zoom)
{
    const GameState& state = scene.state();
    const LevelMapping to(state, zoom);
    drawCells(panel, to, state, scene.wallColours());

    const double playerX = to.x(state.playerX);
    const double playerY = to.y(state.playerY);
    const auto ray = [&](const ColumnRun& r, Rgb colour, std::int32_t thickness, std::int32_t dash) {
        panel.line(playerX, playerY, to.x(r.wall.hitX), to.y(r.wall.hitY), colour, thickness, dash);
    };
    // Every ray of the frame a little dimmer than the faces they hit, which
    // go over them; the ray of the clipped column and its face dashed, since
    // they are cast but never seen.
    for (const ColumnRun& r : view.rays) {
        if (!view.clippedAway(r)) ray(r, walkColour(r.wall).shade(palette::rayShade), 1, 0);
    }
    for (const ColumnRun& r : view.rays) {
        if (!view.clippedAway(r)) drawFace(panel, to, r.wall, 0);
    }
    for (const ColumnRun& r : view.rays) {
        if (view.clippedAway(r)) {
            ray(r, walkColour(r.wall), 2, 4);
            drawFace(panel, to, r.wall, 3);
        }
    }
    for (const MarkedColumn& mark : view.marks) {
        ray(mark.ray, mark.colour, 2, 0);
        panel.disc(to.x(mark.ray.wall.hitX), to.y(mark.ray.wall.hitY), 3.5, mark.colour);
    }

    // The player, with a short mark pointing along the heading: the
    // direction of angle a is (sin a, cos a).
    const std::int16_t heading = checked::toInt16(scene.heading(), "heading");
    const double radius = std::max(4.0, to.cellPixels * 0.12);
    const double markLength = radius + 10;
    const double headingX = playerX - lSin(state.sinTable, heading) * markLength;
    const double headingY = playerY + lCos(state.sinTable, heading) * markLength;
    panel.line(playerX, playerY, headingX, headingY, palette::outline, 4);
    panel.line(playerX, playerY, headingX, headingY, palette::player, 2);
    panel.disc(playerX, playerY, radius + 1.5, palette::outline);
    panel.disc(playerX, playerY, radius, palette::player);
}
