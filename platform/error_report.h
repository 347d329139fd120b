// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// The one line that reports a run-time error, on stderr and in the dialog.
std::string reportLine(std::string_view message);

// Prints the report line to stderr.
void reportToStderr(std::string_view message);

// Called just before the error dialog, which waits for the user: from then on
// SIGTERM and SIGINT end the program at once with status 1, and a process
// started to show the dialog ends with the program.
void endAtOnceOnSignal();
