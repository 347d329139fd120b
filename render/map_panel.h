// SPDX-License-Identifier: MIT
#pragma once
// The map panel beside the view: the level from above, 4 x 4 pixels a cell,
// flipped left to right as the view shows it, with the player and the rays
// of the frame on screen. While editing, the palette of the kinds of cell
// and the status line lie below the map.
//
// It is drawn again only when something it shows has changed, and then the
// cells themselves only when they have: an idle pass costs a comparison.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "assets/map_cells.h"
#include "assets/picture_sizes.h"
#include "gfx/changed_rows.h"
#include "gfx/surface.h"
#include "render/raycast.h"
#include "sim/status_text.h"

struct GameState;
class LevelEditor;

inline constexpr std::int32_t mapCellPixels = 4;
inline constexpr std::int32_t mapSide = mapCellPixels * MapCells::Size;

// What lies under a point of the panel.
struct PanelPoint {
    enum Kind { Nothing, Map, Palette, Tool } kind = Nothing;
    // On the map, the point of the level in cells; on the palette, the kind
    // of cell shown there.
    double levelX = 0;
    double levelY = 0;
    std::int16_t cellKind = 0;
};

class MapPanel {
public:
    // The map alone, or with the editor's palette and status line.
    explicit MapPanel(bool editing);

    // Where a point of the panel's drawable area lies.
    PanelPoint at(double x, double y) const;

    // The cell under the pointer, which the editor outlines and names; none
    // when the pointer is elsewhere.
    void pointAt(const PanelPoint& point);

    // Whether the panel shows something other than the state, the editor
    // (if any) and the pointer now hold.
    bool outdated(const GameState& state, const LevelEditor* editor) const;
    // Draws what changed since the last time and shows it; `rays` are those
    // the frame on screen was drawn with, of a view `viewWidth` columns
    // wide. The palette shows each kind's texture from `textures`.
    void draw(const GameState& state, const LevelEditor* editor, std::span<const ColumnRun> rays,
              std::int32_t viewWidth, const std::array<Surface, textureSlots>& textures);

    // What the window shows, in its sunken box.
    Surface picture;

private:
    // What the panel was last drawn from.
    struct Shown {
        float playerX = -1;
        float playerY = -1;
        float playerAngle = 0;
        std::uint64_t revision = UINT64_MAX;
        std::int32_t pointerX = -1;
        std::int32_t pointerY = -1;
        bool operator==(const Shown&) const = default;
    };
    Shown now(const GameState& state, const LevelEditor* editor) const;
    void drawStrip(const GameState& state, const LevelEditor& editor,
                   const std::array<Surface, textureSlots>& textures);

    const bool editing;
    // The cells alone, drawn again only when they change; each frame copies
    // them under the rays.
    Surface cells;
    // Where the rays, the player and the pointer's outline cover them.
    ChangedRows covered;
    Shown shown;
    // The cells as drawn there.
    MapCells drawnLevel;
    std::int16_t kindShown = -1;
    int toolShown = -1;
    std::int32_t pointerX = -1;
    std::int32_t pointerY = -1;
    std::array<TextLine, 4> lines;
    // What each line shows now.
    std::array<TextLine, 4> drawnLines;
};
