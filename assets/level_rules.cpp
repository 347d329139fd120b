#include "assets/level_rules.h"

LevelReport checkLevel(const Surface&) { return {}; }
