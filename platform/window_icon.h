// SPDX-License-Identifier: MIT
#pragma once
// The program's icon, compiled in like the pictures, for the window to show
// in task bars.

#include "assets/embedded_pictures.h"

namespace embedded {

extern const Picture window_icon;

}  // namespace embedded
