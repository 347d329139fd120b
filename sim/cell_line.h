// SPDX-License-Identifier: MIT
#pragma once
// The cells a straight line crosses, one after another, each sharing a side
// with the one before: a stroke painted along a fast drag, where the pointer
// jumps several cells between two passes, leaves no gap.

#include <cmath>
#include <cstdint>
#include <limits>

#include "base/checked.h"

// Calls visit(x, y) for every cell the line from (x0, y0) to (x1, y1)
// passes through, the cell of each end included, in order. Coordinates are
// in cells; the cells may lie outside any grid. Where the line runs exactly
// through a corner it takes the cell across x first.
template <class Visit>
void forEachCellCrossed(double x0, double y0, double x1, double y1, Visit&& visit)
{
    std::int64_t x = checked::floorToInt(x0, "line start x");
    std::int64_t y = checked::floorToInt(y0, "line start y");
    const std::int64_t endX = checked::floorToInt(x1, "line end x");
    const std::int64_t endY = checked::floorToInt(y1, "line end y");
    const std::int64_t stepX = endX > x ? 1 : -1;
    const std::int64_t stepY = endY > y ? 1 : -1;
    // How far along the line, from 0 to 1, it crosses the next line x = k
    // and the next line y = k, and how much further each one after that.
    constexpr double never = std::numeric_limits<double>::infinity();
    const double dx = std::fabs(x1 - x0);
    const double dy = std::fabs(y1 - y0);
    double nextX = dx > 0 ? (stepX > 0 ? double(x + 1) - x0 : x0 - double(x)) / dx : never;
    double nextY = dy > 0 ? (stepY > 0 ? double(y + 1) - y0 : y0 - double(y)) / dy : never;
    visit(x, y);
    // Exactly as many steps as the two ends are cells apart, so rounding can
    // neither stop the walk short nor carry it past the end.
    while (x != endX || y != endY) {
        if (y == endY || (x != endX && nextX <= nextY)) {
            x += stepX;
            nextX += 1 / dx;
        } else {
            y += stepY;
            nextY += 1 / dy;
        }
        visit(x, y);
    }
}
