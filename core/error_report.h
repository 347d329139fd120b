#pragma once

#include <string>
#include <string_view>

// The one line that reports a run-time error, on stderr and in the dialog.
std::string reportLine(std::string_view message);

// Prints the report line to stderr.
void reportToStderr(std::string_view message);
