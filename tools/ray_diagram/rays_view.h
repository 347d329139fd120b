// SPDX-License-Identifier: MIT
#pragma once
// What both halves of the diagram share: the rays of the frame and which of
// them are tied to marked screen columns.

#include <cstdint>
#include <vector>

#include "gfx/rgb.h"
#include "tools/ray_diagram/scene.h"

struct MarkedColumn {
    std::int32_t column = 0;
    Rgb colour;
    ColumnRun ray;  // the one that draws the column
};

struct RaysView {
    std::vector<ColumnRun> rays;
    std::vector<MarkedColumn> marks;
    std::int32_t width = 0;  // of the frame, in screen columns

    // The ray of the one column past the right edge, which is clipped away.
    bool clippedAway(const ColumnRun& ray) const { return ray.firstColumn >= width; }
};
