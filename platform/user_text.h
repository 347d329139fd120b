// SPDX-License-Identifier: MIT
#pragma once
// Text for the person who started the program (the usage, the version, a
// refused command line), where they will see it. On Linux that is standard
// output or standard error. A Windows program with a window of its own has
// no console: it writes into the console it was started from, or where its
// output was sent, and otherwise shows the text in a message box.

#include <string_view>

enum class UserStream { Output, Error };

void showUserText(std::string_view text, UserStream stream);
