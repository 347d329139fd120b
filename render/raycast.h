// SPDX-License-Identifier: MIT
#pragma once
// One frame of the view: the rays cast for the screen's columns, then the
// backdrop and the walls drawn from them.

#include <array>
#include <cstddef>
#include <cstdint>

#include "assets/picture_sizes.h"
#include "gfx/surface.h"
#include "render/ray_column.h"

struct GameState;

// Neighbouring screen columns with the same whole-degree offset cast the same
// ray through the same cells and leave the same last codes behind, so they
// draw the same wall: the ray is cast once for the run of them.
struct ColumnRun {
    std::int32_t firstColumn = 0;
    std::int32_t endColumn = 0;  // one past the last
    std::int32_t rayOffset = 0;
    WallColumn wall;
};

// The runs of one frame from left to right, at most one per whole-degree
// offset across the field of view. The last starts at the column just past
// the right edge, which looks along the edge of the field of view.
class ColumnRuns {
public:
    static constexpr std::size_t capacity = fieldOfView + 1;

    void push(const ColumnRun& run);
    void clear() { count = 0; }
    const ColumnRun* begin() const { return runs.data(); }
    const ColumnRun* end() const { return runs.data() + count; }
    std::size_t size() const { return count; }

private:
    std::array<ColumnRun, capacity> runs{};
    std::size_t count = 0;
};

// Casts the rays of a view `width` x `height` pixels into `runs`, in the
// order the frame is drawn.
void castColumnRuns(const GameState& state, std::int32_t width, float height, ColumnRuns& runs);
ColumnRuns castColumnRuns(const GameState& state, std::int32_t width, float height);

// Draws the view from the player into `picture`: the backdrop `picClear`
// stretched over the whole frame, then each run's wall from `picTexture`.
// Leaves in `runs` the rays the frame was drawn with, for a caller that shows
// them too; they are cast before anything is drawn. A copy that fails is a
// run-time error naming its picture.
void drawView(const GameState& state, Surface& picture, const Surface& picClear,
              const std::array<Surface, textureSlots>& picTexture, ColumnRuns& runs);
