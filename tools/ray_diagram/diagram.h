// SPDX-License-Identifier: MIT
#pragma once
// The whole picture: the level from above with the rays on the left, the
// frame on the right, the legend below.

#include "gfx/surface.h"
#include "tools/ray_diagram/options.h"
#include "tools/ray_diagram/scene.h"

// Throws InputError for a marked column that is not on the screen.
Surface drawDiagram(Scene& scene, const Options& options);
