// SPDX-License-Identifier: MIT
#include "sim/level_editor.h"

#include <cmath>
#include <utility>

#include "assets/level_rules.h"
#include "base/checked.h"
#include "sim/cell_line.h"
#include "sim/game_state.h"

namespace {

bool insideGrid(std::int64_t x, std::int64_t y)
{
    return x >= 0 && y >= 0 && x < MapCells::Size && y < MapCells::Size;
}

std::int64_t cellOf(double coordinate) { return checked::floorToInt(coordinate, "edited cell"); }

}  // namespace

LevelEditor::LevelEditor(GameState& state, bool saved) : state(state), history(state.mapCells)
{
    if (saved) history.markSaved();
}

EditNote::Kind LevelEditor::refusal(std::int64_t x, std::int64_t y, std::int16_t kind) const
{
    if (kind == 0) return onOuterRing(x, y) ? EditNote::Border : EditNote::None;
    if (x == startCell.x && y == startCell.y) return EditNote::Start;
    const bool playerCell = x == checked::floorToInt(state.playerX, "playerX") &&
                            y == checked::floorToInt(state.playerY, "playerY");
    return playerCell ? EditNote::Player : EditNote::None;
}

void LevelEditor::note(EditNote::Kind kind)
{
    lastNote.kind = kind;
    ++changes;
}

void LevelEditor::noteCell(EditNote::Kind kind, std::int64_t x, std::int64_t y)
{
    note(kind);
    lastNote.cell = {static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)};
}

void LevelEditor::setNote(std::string text)
{
    note(EditNote::Text);
    lastNote.text = std::move(text);
}

void LevelEditor::choose(std::int16_t kind)
{
    if (kind < 0 || kind > highestWallCode) return;
    chosenKind = kind;
    ++changes;
}

void LevelEditor::choose(EditTool tool)
{
    chosenTool = tool;
    ++changes;
}

void LevelEditor::paint(std::int64_t x, std::int64_t y)
{
    if (!insideGrid(x, y) || state.mapCells(x, y) == strokeKind) return;
    if (const EditNote::Kind refused = refusal(x, y, strokeKind); refused != EditNote::None) {
        noteCell(refused, x, y);
        return;
    }
    state.mapCells(x, y) = strokeKind;
    strokeChanged = true;
    ++changes;
}

void LevelEditor::beginStroke(double x, double y, std::int16_t kind)
{
    endStroke();
    checked::index(kind, std::size_t(highestWallCode) + 1, "painted kind");
    note(EditNote::None);
    stroking = true;
    strokeKind = kind;
    lastX = x;
    lastY = y;
    paint(cellOf(x), cellOf(y));
}

void LevelEditor::continueStroke(double x, double y)
{
    if (!stroking) return;
    forEachCellCrossed(lastX, lastY, x, y, [this](std::int64_t cellX, std::int64_t cellY) { paint(cellX, cellY); });
    lastX = x;
    lastY = y;
}

void LevelEditor::endStroke()
{
    if (strokeChanged) history.record(state.mapCells);
    stroking = false;
    strokeChanged = false;
}

void LevelEditor::fill(double x, double y, std::int16_t kind)
{
    endStroke();
    note(EditNote::None);
    const std::int64_t startX = cellOf(x);
    const std::int64_t startY = cellOf(y);
    if (!insideGrid(startX, startY)) return;
    const std::int16_t region = state.mapCells(startX, startY);
    if (region == kind) return;
    // Each cell of the region is seen once, whether or not a rule keeps it.
    seen.reset();
    std::size_t count = 0;
    const auto visit = [&](std::int64_t cellX, std::int64_t cellY) {
        if (!insideGrid(cellX, cellY) || state.mapCells(cellX, cellY) != region) return;
        const std::size_t at = std::size_t(cellY * MapCells::Size + cellX);
        if (seen[at]) return;
        seen[at] = true;
        pending[count++] = static_cast<std::uint16_t>(at);
    };
    strokeKind = kind;
    visit(startX, startY);
    while (count > 0) {
        const std::int64_t at = pending[--count];
        const std::int64_t cellX = at % MapCells::Size;
        const std::int64_t cellY = at / MapCells::Size;
        visit(cellX + 1, cellY);
        visit(cellX - 1, cellY);
        visit(cellX, cellY + 1);
        visit(cellX, cellY - 1);
        paint(cellX, cellY);
    }
    endStroke();
}

void LevelEditor::replace(const MapCells& cells)
{
    endStroke();
    if (cells == state.mapCells) return;
    state.mapCells = cells;
    ++changes;
    history.record(state.mapCells);
    if (state.mapCells(cellOf(state.playerX), cellOf(state.playerY)) != 0) {
        state.playerX = static_cast<float>(startCell.x) + 0.5f;
        state.playerY = static_cast<float>(startCell.y) + 0.5f;
        state.playerAngle = 0;
    }
}

void LevelEditor::placePlayer(double x, double y)
{
    const std::int64_t cellX = cellOf(x);
    const std::int64_t cellY = cellOf(y);
    if (!insideGrid(cellX, cellY)) return;
    if (state.mapCells(cellX, cellY) != 0) {
        noteCell(EditNote::NoFloor, cellX, cellY);
        return;
    }
    note(EditNote::None);
    state.playerX = static_cast<float>(cellX) + 0.5f;
    state.playerY = static_cast<float>(cellY) + 0.5f;
}

// Every level in the history keeps the border and the start cell, but the
// player may have walked into a cell that one of them walls.
void LevelEditor::step(int offset)
{
    endStroke();
    if (offset < 0 ? !history.canUndo() : !history.canRedo()) {
        note(offset < 0 ? EditNote::NothingToUndo : EditNote::NothingToRedo);
        return;
    }
    const std::int64_t playerX = cellOf(state.playerX);
    const std::int64_t playerY = cellOf(state.playerY);
    if (history.peek(offset, playerX, playerY) != 0) {
        noteCell(EditNote::UndoWallsPlayer, playerX, playerY);
        return;
    }
    note(EditNote::None);
    if (offset < 0) {
        history.undo(state.mapCells);
    } else {
        history.redo(state.mapCells);
    }
    ++changes;
}

void LevelEditor::undo() { step(-1); }

void LevelEditor::redo() { step(+1); }

void LevelEditor::markSaved()
{
    endStroke();
    history.markSaved();
}
