#include "core/frmMain.h"

void frmMain::GameCode() {}
