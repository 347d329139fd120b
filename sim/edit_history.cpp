// SPDX-License-Identifier: MIT
#include "sim/edit_history.h"

#include "assets/picture_sizes.h"

static_assert(highestWallCode <= INT8_MAX, "a snapshot keeps a cell code in a byte");

EditHistory::EditHistory(const MapCells& opened) : ring(undoSteps + 1) { store(0, opened); }

void EditHistory::store(std::uint64_t step, const MapCells& cells)
{
    Snapshot& snapshot = ring[step % ring.size()];
    for (std::int32_t y = 0; y < MapCells::Size; ++y) {
        for (std::int32_t x = 0; x < MapCells::Size; ++x) {
            snapshot[std::size_t(y * MapCells::Size + x)] = static_cast<std::int8_t>(cells(x, y));
        }
    }
}

void EditHistory::load(std::uint64_t step, MapCells& cells) const
{
    const Snapshot& snapshot = ring[step % ring.size()];
    for (std::int32_t y = 0; y < MapCells::Size; ++y) {
        for (std::int32_t x = 0; x < MapCells::Size; ++x) cells(x, y) = snapshot[std::size_t(y * MapCells::Size + x)];
    }
}

void EditHistory::record(const MapCells& cells)
{
    newest = ++current;
    store(current, cells);
    if (newest - oldest > undoSteps) oldest = newest - undoSteps;
    // A saved level among the steps just dropped from the redo list is gone.
    if (saved != neverSaved && saved >= newest) saved = neverSaved;
}

std::int16_t EditHistory::peek(int offset, std::int64_t x, std::int64_t y) const
{
    const Snapshot& snapshot = ring[(current + std::uint64_t(std::int64_t{offset})) % ring.size()];
    const std::size_t cell = checked::index(y, MapCells::Size, "y") * MapCells::Size + checked::index(x, MapCells::Size, "x");
    return snapshot[cell];
}

void EditHistory::undo(MapCells& cells)
{
    if (canUndo()) load(--current, cells);
}

void EditHistory::redo(MapCells& cells)
{
    if (canRedo()) load(++current, cells);
}
