// SPDX-License-Identifier: MIT
#pragma once
// What editing does to the level played: painting strokes, filling regions,
// putting the player down, undo and redo. It keeps the level's rules at
// every moment: the border stays wall, the start cell open floor, and the
// cell the player stands in open floor; a cell that would break one is left
// as it was, and the note says why. It knows no window or mouse: points of
// the level come in cells, x and y as the level picture has them.
//
// Painting allocates nothing: a stroke goes straight into the level's cells
// and a fill uses room taken when the editor is made.

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

#include "assets/map_cells.h"
#include "sim/edit_history.h"

struct GameState;

// What the last action did or why a cell was left, for the status line.
struct EditNote {
    enum Kind : std::uint8_t {
        None,
        Border,          // a border cell left wall
        Start,           // the start cell left open
        Player,          // the player's cell left open
        NoFloor,         // the player cannot stand on a wall
        NothingToUndo,
        NothingToRedo,
        UndoWallsPlayer, // undo or redo would wall the player's cell
        Text,            // `text` says it
    };
    Kind kind = None;
    CellPosition cell{0, 0};
    std::string text;
};

enum class EditTool : std::uint8_t { Pen, Fill };

class LevelEditor {
public:
    // Edits state.mapCells, which hold the level as opened; they count as
    // saved when `saved` (otherwise as a level that differs from the file).
    LevelEditor(GameState& state, bool saved);

    // A stroke paints `kind` on every cell the pointer crosses from the
    // point it begins at; the whole stroke is one step.
    void beginStroke(double x, double y, std::int16_t kind);
    void continueStroke(double x, double y);
    void endStroke();
    // Paints `kind` over the region of cells of one kind, joined by their
    // sides, that holds the point; one step.
    void fill(double x, double y, std::int16_t kind);
    // The whole level replaced at once, as one step: a new level, or one
    // opened from a file. The player goes back to the start if the new level
    // would wall them in.
    void replace(const MapCells& cells);
    // Puts the player in the middle of the open cell at the point, facing as
    // before.
    void placePlayer(double x, double y);
    void undo();
    void redo();

    // Whether painting `kind` on cell (x, y) keeps the rules, and if not, why.
    EditNote::Kind refusal(std::int64_t x, std::int64_t y, std::int16_t kind) const;

    bool unsaved() const { return strokeChanged || history.unsaved(); }
    void markSaved();
    // Counts every change of the cells and of anything else a picture of the
    // editor shows (the note, the palette's choice), so a picture can tell
    // that it is out of date.
    std::uint64_t revision() const { return changes; }
    const EditNote& note() const { return lastNote; }
    void setNote(std::string text);

    // The palette's choice: the kind that painting lays down, and the tool.
    std::int16_t kind() const { return chosenKind; }
    EditTool tool() const { return chosenTool; }
    // Kinds beyond the last wall are not taken.
    void choose(std::int16_t kind);
    void choose(EditTool tool);

private:
    void paint(std::int64_t x, std::int64_t y);
    void note(EditNote::Kind kind);
    void noteCell(EditNote::Kind kind, std::int64_t x, std::int64_t y);
    void step(int offset);

    GameState& state;
    EditHistory history;
    EditNote lastNote;
    std::uint64_t changes = 0;
    std::int16_t chosenKind = 1;
    EditTool chosenTool = EditTool::Pen;
    bool stroking = false;
    bool strokeChanged = false;
    std::int16_t strokeKind = 0;
    double lastX = 0;
    double lastY = 0;
    // The fill's cells still to visit, and those seen.
    std::array<std::uint16_t, MapCells::Size * MapCells::Size> pending{};
    std::bitset<MapCells::Size * MapCells::Size> seen;
};
