// SPDX-License-Identifier: MIT
#pragma once
// The left half of the diagram: the level from above with the frame's rays.

#include <cstdint>

#include "gfx/canvas.h"
#include "tools/ray_diagram/rays_view.h"
#include "tools/ray_diagram/scene.h"

// Pixels per cell when the whole level is shown.
inline constexpr std::int32_t levelCellPixels = 8;
inline constexpr std::int32_t levelPanelSize = levelCellPixels * MapCells::Size;

// Draws into a square canvas levelPanelSize pixels a side, showing
// 64 / zoom cells a side around the player.
void drawLevel(const Canvas& panel, const Scene& scene, const RaysView& view, std::int32_t zoom);
