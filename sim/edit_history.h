// SPDX-License-Identifier: MIT
#pragma once
// The level after each step of editing, for undo and redo: the level as it
// was opened, then after each whole stroke or fill. The last undoSteps steps
// can be undone; older ones are forgotten. All its memory is taken when it
// is made, (undoSteps + 1) x 4,096 bytes (516 KiB), and none after.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "assets/map_cells.h"

class EditHistory {
public:
    static constexpr std::size_t undoSteps = 128;

    explicit EditHistory(const MapCells& opened);

    // A step has left the level as `cells`. Steps undone before it can no
    // longer be redone.
    void record(const MapCells& cells);
    // Whether there is a step to undo, or an undone step to redo.
    bool canUndo() const { return current != oldest; }
    bool canRedo() const { return current != newest; }
    // A cell's code before the last step (-1), or after the last step undone
    // (+1): what undo or redo would make it.
    std::int16_t peek(int offset, std::int64_t x, std::int64_t y) const;
    // Sets `cells` to that level; each only when there is a step for it.
    void undo(MapCells& cells);
    void redo(MapCells& cells);

    // The level as it is now has been saved; whether it differs from the
    // last saved one (a level never saved differs from all).
    void markSaved() { saved = current; }
    bool unsaved() const { return saved != current; }

private:
    // A cell code a byte: the level's codes are 0 to highestWallCode.
    using Snapshot = std::array<std::int8_t, MapCells::Size * MapCells::Size>;
    static constexpr std::uint64_t neverSaved = UINT64_MAX;

    void store(std::uint64_t step, const MapCells& cells);
    void load(std::uint64_t step, MapCells& cells) const;

    std::vector<Snapshot> ring;
    // Steps counted from the opened level, 0; each is kept at its count
    // modulo the ring's size.
    std::uint64_t oldest = 0;
    std::uint64_t current = 0;
    std::uint64_t newest = 0;
    std::uint64_t saved = neverSaved;
};
