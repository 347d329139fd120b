// SPDX-License-Identifier: MIT
#pragma once
// The right half of the diagram: the frame the program draws, twice its
// size, with the marked columns pointed out above and below it.

#include <cstdint>

#include "gfx/canvas.h"
#include "tools/ray_diagram/rays_view.h"

class frmMain;

inline constexpr std::int32_t frameScale = 2;
// Room above and below the frame for the pointers to the marked columns and
// their numbers.
inline constexpr std::int32_t frameMarksAbove = 34;
inline constexpr std::int32_t frameMarksBelow = 34;

// Draws into a canvas as wide as the scaled frame and frameMarksAbove +
// frameMarksBelow pixels taller.
void drawFrame(const Canvas& panel, frmMain& form, const RaysView& view);
