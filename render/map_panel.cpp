// SPDX-License-Identifier: MIT
#include "render/map_panel.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/checked.h"
#include "gfx/bitmap_font.h"
#include "gfx/canvas.h"
#include "gfx/gdi.h"
#include "render/level_map.h"
#include "sim/game_state.h"
#include "sim/level_editor.h"

namespace {

// The same sunken border as the render box's.
constexpr std::int32_t panelBorder = 2;
// Below the map while editing: the palette, a slot for each kind of cell
// and one for the tool, then the status line's four lines of text.
constexpr std::int32_t paletteTop = mapSide + 4;
constexpr std::int32_t slotWidth = mapSide / (textureSlots + 1);
constexpr std::int32_t swatchSide = 28;
constexpr std::int32_t paletteHeight = swatchSide + 8;
constexpr std::int32_t linesTop = paletteTop + paletteHeight + 2;
constexpr std::int32_t lineHeight = 10;
constexpr std::int32_t editingHeight = linesTop + 4 * lineHeight + 2;
constexpr std::size_t lineCharacters = (mapSide - 4) / font::advance;

constexpr Rgb background{30, 32, 38};
constexpr Rgb text{225, 225, 225};
constexpr Rgb dimText{150, 152, 160};
constexpr Rgb chosen{255, 255, 255};

const LevelMapping wholeLevel{{0, 0}, MapCells::Size, mapCellPixels};

void frame(const Canvas& canvas, std::int32_t x, std::int32_t y, std::int32_t side, Rgb colour)
{
    canvas.fill(x, y, side, 1, colour);
    canvas.fill(x, y + side - 1, side, 1, colour);
    canvas.fill(x, y, 1, side, colour);
    canvas.fill(x + side - 1, y, 1, side, colour);
}

// A kind of cell as the palette shows it: its texture's lit face, or the
// floor's black, with the key that chooses it in the corner.
void drawSwatch(const Canvas& canvas, std::int32_t x, std::int32_t y, std::int16_t kind,
                const std::array<Surface, textureSlots>& textures)
{
    const Canvas swatch = canvas.part(x, y, swatchSide, swatchSide);
    if (kind == 0) {
        swatch.fill(0, 0, swatchSide, swatchSide, levelColour(0));
        frame(swatch, 0, 0, swatchSide, dimText);
    } else {
        StretchBlt(swatch.hDC(), 0, 0, swatchSide, swatchSide, textures[std::size_t(kind)].hDC(), 0, 0, textureFace,
                   textureFace, SRCCOPY);
    }
    const char key[] = {static_cast<char>('0' + kind), '\0'};
    swatch.fill(0, 0, 8, 11, background);
    swatch.text(2, 1, key, text, 1);
}

}  // namespace

MapPanel::MapPanel(bool editing)
    : picture(mapSide, editing ? editingHeight : mapSide, panelBorder),
      editing(editing),
      cells(mapSide, mapSide),
      covered(mapSide)
{
    Canvas(picture.hDC()).fill(0, 0, picture.hDC().width, picture.hDC().height, background);
}

PanelPoint MapPanel::at(double x, double y) const
{
    if (x >= 0 && y >= 0 && x < mapSide && y < mapSide) {
        return {PanelPoint::Map, wholeLevel.levelX(x), wholeLevel.levelY(y), 0};
    }
    if (!editing || y < paletteTop || y >= paletteTop + paletteHeight || x < 0) return {};
    const std::int32_t slot = checked::toInt32(std::floor(x / slotWidth), "palette slot");
    if (slot < std::int32_t{textureSlots}) return {PanelPoint::Palette, 0, 0, static_cast<std::int16_t>(slot)};
    return slot == std::int32_t{textureSlots} ? PanelPoint{PanelPoint::Tool, 0, 0, 0} : PanelPoint{};
}

void MapPanel::pointAt(const PanelPoint& point)
{
    const bool onMap = point.kind == PanelPoint::Map;
    pointerX = onMap ? checked::toInt32(std::floor(point.levelX), "pointer x") : -1;
    pointerY = onMap ? checked::toInt32(std::floor(point.levelY), "pointer y") : -1;
}

MapPanel::Shown MapPanel::now(const GameState& state, const LevelEditor* editor) const
{
    Shown current{state.playerX, state.playerY, state.playerAngle, 0, -1, -1};
    if (editor) {
        current.revision = editor->revision();
        current.pointerX = pointerX;
        current.pointerY = pointerY;
    }
    return current;
}

bool MapPanel::outdated(const GameState& state, const LevelEditor* editor) const
{
    return !(now(state, editor) == shown) || !(state.mapCells == drawnLevel);
}

void MapPanel::draw(const GameState& state, const LevelEditor* editor, std::span<const ColumnRun> rays,
                    std::int32_t viewWidth, const std::array<Surface, textureSlots>& textures)
{
    const DeviceContext from = cells.hDC();
    const DeviceContext to = picture.hDC();
    const auto restore = [&](std::int32_t row, std::int32_t left, std::int32_t right) {
        std::memcpy(to.pixels + std::ptrdiff_t(row) * to.pitch + left, from.pixels + std::ptrdiff_t(row) * from.pitch + left,
                    std::size_t(right - left) * sizeof(std::uint32_t));
    };
    // The cells go under everything else: each cell that changed since they
    // were drawn (by an edit, or a level opened), and where the last drawing
    // covered them.
    const bool first = shown.revision == UINT64_MAX;
    if (first || !(state.mapCells == drawnLevel)) {
        const Canvas background(from, &covered);
        for (std::int32_t y = 0; y < MapCells::Size; ++y) {
            for (std::int32_t x = 0; x < MapCells::Size; ++x) {
                const std::int16_t code = state.mapCells(x, y);
                if (code == drawnLevel(x, y) && !first) continue;
                drawCell(background, checked::toInt32(wholeLevel.x(x + 1), "cell"), y * mapCellPixels,
                         mapCellPixels, code);
                drawnLevel(x, y) = code;
            }
        }
    }
    covered.takeAll(restore);
    const Canvas map = Canvas(to, &covered).part(0, 0, mapSide, mapSide);
    drawFrameRays(map, wholeLevel, state, rays, viewWidth);
    if (editor && pointerX >= 0) {
        frame(map, checked::toInt32(wholeLevel.x(pointerX + 1), "pointer") - 1,
              checked::toInt32(wholeLevel.y(pointerY), "pointer") - 1, mapCellPixels + 2, chosen);
    }
    drawPlayer(map, wholeLevel, state);
    if (editor) drawStrip(state, *editor, textures);
    shown = now(state, editor);
    picture.Refresh();
}

void MapPanel::drawStrip(const GameState& state, const LevelEditor& editor,
                         const std::array<Surface, textureSlots>& textures)
{
    const Canvas canvas(picture.hDC());
    const bool paletteChanged = kindShown != editor.kind() || toolShown != int(editor.tool());
    if (paletteChanged) {
        canvas.fill(0, paletteTop, mapSide, paletteHeight, background);
        for (std::int16_t kind = 0; kind <= highestWallCode; ++kind) {
            const std::int32_t x = kind * slotWidth + (slotWidth - swatchSide) / 2;
            drawSwatch(canvas, x, paletteTop + 4, kind, textures);
            if (kind == editor.kind()) frame(canvas, x - 3, paletteTop + 1, swatchSide + 6, chosen);
        }
        const std::int32_t toolX = std::int32_t{textureSlots} * slotWidth + 2;
        const bool filling = editor.tool() == EditTool::Fill;
        canvas.text(toolX, paletteTop + 6, "pen", filling ? dimText : chosen, 1);
        canvas.text(toolX, paletteTop + 20, "fill", filling ? chosen : dimText, 1);
    }
    kindShown = editor.kind();
    toolShown = int(editor.tool());

    // Only the characters that differ from those shown are drawn again: as
    // the player turns, the last digits of the heading.
    const auto show = [&](std::size_t i, std::string_view now) {
        const std::int32_t top = linesTop + std::int32_t(i) * lineHeight;
        now = now.substr(0, lineCharacters);
        const std::string_view was = drawnLines[i].view();
        for (std::size_t at = 0; at < std::max(now.size(), was.size()); ++at) {
            const char character = at < now.size() ? now[at] : ' ';
            if (character == (at < was.size() ? was[at] : ' ')) continue;
            const std::int32_t left = 2 + std::int32_t(at) * font::advance;
            canvas.fill(left, top, font::advance, lineHeight, background);
            canvas.text(left, top, std::string_view(&character, 1), i < 2 ? text : dimText, 1);
        }
        drawnLines[i].assign(now);
    };
    // The note may take two lines, broken at a space; the cell under the
    // pointer and the player take one each. Each is written only when what
    // it tells may have changed.
    const bool editorChanged = editor.revision() != shown.revision;
    if (editorChanged) {
        const std::string_view note = noteText(editor.note(), lines[0]);
        std::size_t split = note.size();
        if (split > lineCharacters) {
            split = note.rfind(' ', lineCharacters);
            if (split == std::string_view::npos) split = lineCharacters;
        }
        show(0, note.substr(0, split));
        show(1, note.substr(std::min(split + 1, note.size())));
    }
    if (editorChanged || pointerX != shown.pointerX || pointerY != shown.pointerY) {
        show(2, pointerX >= 0 ? cellText(state.mapCells, pointerX, pointerY, lines[2]) : std::string_view{});
    }
    if (state.playerX != shown.playerX || state.playerY != shown.playerY || state.playerAngle != shown.playerAngle) {
        show(3, playerText(state, lines[3]));
    }
}
