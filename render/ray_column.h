// SPDX-License-Identifier: MIT
#pragma once
// One screen column of the view: the ray cast at a whole-degree offset from
// the heading, the wall it meets first and how tall that wall is drawn.

#include <cstdint>

#include "assets/picture_sizes.h"

struct GameState;

// The cell code each of the two walks read last. Within a frame it carries
// over from column to column: a walk that starts outside the grid reads no
// cell and keeps what the previous column left.
struct LastWallCodes {
    std::int16_t yLineCode = 0;
    std::int16_t xLineCode = 0;
};

// What a column draws: texture `wallCode`, source column `textureColumn`
// (the darker right half for faces on lines y = k), stretched over
// `wallHeight` rows from row `wallTop`.
struct WallColumn {
    std::int16_t wallCode = 0;
    std::int16_t textureColumn = 0;
    float wallDistance = 0;  // corrected for the ray's angle from the heading
    std::int32_t wallHeight = 0;
    std::int32_t wallTop = 0;
    // Where the ray meets that face.
    double hitX = 0;
    double hitY = 0;

    // Whether the walk over the lines y = k found the face (otherwise the
    // walk over the lines x = k did): only those faces take the darker half.
    bool foundOnYLine() const { return textureColumn >= textureFace; }
};

// The view spans this many degrees, half of them either side of the heading.
inline constexpr std::int32_t fieldOfView = 70;

// Degrees between the heading and the ray of `screenColumn` for a view
// `width` pixels wide: floor(fieldOfView x screenColumn / width) - fieldOfView / 2.
std::int32_t columnRayOffset(std::int32_t screenColumn, std::int32_t width);

// Casts the ray at `rayOffset` degrees from the player's heading through the
// grid and sizes the wall it meets for a view `height` pixels high.
WallColumn castColumn(const GameState& state, std::int32_t rayOffset, float height,
                      LastWallCodes& lastCodes);
