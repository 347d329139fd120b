// SPDX-License-Identifier: MIT
#include "tools/ray_diagram/legend.h"

#include <cmath>
#include <string>

#include "tools/ray_diagram/text.h"
#include "render/level_map.h"
#include "tools/ray_diagram/palette.h"

namespace {

constexpr std::int32_t textScale = 2;
constexpr std::int32_t lineHeight = 26;
// The lines that explain the colours, then a gap and the heading of the
// marked columns.
constexpr std::int32_t keyLines = 5;
constexpr std::int32_t gap = lineHeight / 2;
// Room on the left of each line for what it explains.
constexpr std::int32_t swatchWidth = 40;

std::string offset(std::int32_t degrees) { return concat(degrees < 0 ? "-" : "+", std::to_string(std::abs(degrees))); }

// "y = 12": the grid line the face lies on, a whole number.
std::string faceLine(const WallColumn& wall)
{
    const double line = wall.foundOnYLine() ? wall.hitY : wall.hitX;
    return concat(wall.foundOnYLine() ? "y = " : "x = ", std::to_string(std::lround(line)));
}

// The distance along the ray runs from the player to the point where the
// ray met the face; the corrected one is the renderer's own.
std::string markedColumn(const MarkedColumn& mark, const GameState& state)
{
    const WallColumn& wall = mark.ray.wall;
    const double alongRay = std::hypot(wall.hitX - state.playerX, wall.hitY - state.playerY);
    return concat("column ", std::to_string(mark.column), ": ray ", offset(mark.ray.rayOffset), ", wall ",
                  std::to_string(wall.wallCode), " on ", faceLine(wall), ", ", printed("%.2f", alongRay), " / ",
                  printed("%.2f", wall.wallDistance), ", ", std::to_string(wall.wallHeight),
                  " rows tall, texture column ", std::to_string(wall.textureColumn));
}

}  // namespace

std::int32_t legendHeight(const RaysView& view)
{
    return (keyLines + 1 + static_cast<std::int32_t>(view.marks.size())) * lineHeight + gap;
}

void drawLegend(const Canvas& legend, const Scene& scene, const RaysView& view)
{
    const std::int32_t textTop = (lineHeight - Canvas::textHeight(textScale)) / 2;
    std::int32_t y = 0;
    const auto write = [&](std::int32_t x, const std::string& text, Rgb colour) {
        return legend.text(x, y + textTop, text, colour, textScale);
    };
    const double middle = lineHeight / 2.0;
    // As the level picture draws them: a ray, and the face it ends on.
    const auto rayAndFace = [&](Rgb colour, bool clipped) {
        const std::int32_t dash = clipped ? 4 : 0;
        legend.line(0, y + middle, swatchWidth - 10, y + middle, clipped ? colour : colour.shade(mapColours::rayShade),
                    clipped ? 2 : 1, dash);
        legend.line(swatchWidth - 10, y + 4, swatchWidth - 10, y + lineHeight - 4, colour, 3, dash);
    };

    rayAndFace(mapColours::xLineWalk, false);
    write(swatchWidth, "a ray whose wall the walk over the lines x = k found, and that face: lit texture half",
          palette::text);
    y += lineHeight;
    rayAndFace(mapColours::yLineWalk, false);
    write(swatchWidth, "a ray whose wall the walk over the lines y = k found, and that face: darker half",
          palette::text);
    y += lineHeight;
    rayAndFace(mapColours::xLineWalk, true);
    write(swatchWidth,
          concat("dashed: the ray of column ", std::to_string(view.width),
                 ", just past the right edge: cast, then clipped away"),
          palette::text);
    y += lineHeight;
    legend.line(6, y + middle, 22, y + middle, mapColours::player, 2);
    legend.disc(6, y + middle, 5.5, mapColours::outline);
    legend.disc(6, y + middle, 4, mapColours::player);
    write(swatchWidth, "the player, marked toward the heading; x grows to the left, y downward", palette::text);
    y += lineHeight;

    std::int32_t x = write(0, "walls in their level colour, a pattern for each kind:", palette::text) + 16;
    for (std::int16_t code = 1; code <= highestWallCode; ++code) {
        drawCell(legend, x, y + 5, 16, code);
        x += 22;
        x += write(x, std::to_string(code), palette::text) + 18;
    }
    legend.fill(x, y + 5, 16, 16, mapColours::grid);
    drawCell(legend, x + 1, y + 6, 15, 0);
    write(x + 22, "open floor", palette::text);
    y += lineHeight + gap;

    write(0, "Marked columns (distances in cells: along the ray / after the fish-eye correction):",
          palette::dimText);
    y += lineHeight;
    for (const MarkedColumn& mark : view.marks) {
        legend.fill(0, y + 6, swatchWidth - 12, lineHeight - 12, mark.colour);
        write(swatchWidth, markedColumn(mark, scene.state()), mark.colour);
        y += lineHeight;
    }
}
