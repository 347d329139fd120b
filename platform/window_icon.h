// SPDX-License-Identifier: MIT
#pragma once
// The program's icon, compiled in like the pictures, for the window to show
// in task bars.

#include <array>

#include "assets/embedded_pictures.h"

namespace embedded {

extern const std::array<Picture, 1> window_icon;

}  // namespace embedded
