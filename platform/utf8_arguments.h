// SPDX-License-Identifier: MIT
#pragma once
// The arguments after the program's name, in UTF-8, as file names are read.
// Windows hands main() its arguments in the system's code page, which cannot
// spell every file name a picture dragged onto the program may have, so there
// they are read again from the wide command line.

#include <string>
#include <vector>

std::vector<std::string> utf8Arguments(int argc, char** argv);
