#pragma once

#include <string_view>

// The run-time error report: the same line in a message box (where there is
// a display) and on stderr.
void reportRuntimeError(std::string_view message);
