// SPDX-License-Identifier: MIT
#pragma once
// The key under the two pictures: what each colour and line means, and the
// numbers of each marked column.

#include <cstdint>

#include "gfx/canvas.h"
#include "tools/ray_diagram/rays_view.h"
#include "tools/ray_diagram/scene.h"

std::int32_t legendHeight(const RaysView& view);
void drawLegend(const Canvas& legend, const Scene& scene, const RaysView& view);
