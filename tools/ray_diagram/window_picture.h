// SPDX-License-Identifier: MIT
#pragma once
// The program's window as it looks at its stored size, at twice that size:
// the picture at the top of the README.

#include "gfx/surface.h"

class frmMain;

Surface drawWindow(frmMain& form);
