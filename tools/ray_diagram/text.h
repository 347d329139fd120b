// SPDX-License-Identifier: MIT
#pragma once
// Building the diagram's texts and messages.

#include <cstdio>
#include <string>

#include "base/concat.h"


// One number as a printf format has it, "%g" or "%.2f".
inline std::string printed(const char* format, double value)
{
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}
