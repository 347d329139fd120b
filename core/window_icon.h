#pragma once
// The program's icon, compiled in like the pictures, for the window to show
// in task bars. It is a separate embedded file, so this declaration is also
// forced into the generated source that defines it, which gives the
// definition external linkage.

#include "assets/embedded_pictures.h"

namespace embedded {

extern const Picture window_icon;

}  // namespace embedded
