// SPDX-License-Identifier: MIT
#pragma once
// Building the diagram's texts and messages.

#include <cstdio>
#include <string>

// By appending: chains of operator+ on strings trip a false -Wrestrict
// warning in g++ 12.
template <class... Parts>
std::string concat(const Parts&... parts)
{
    std::string text;
    (text += ... += parts);
    return text;
}

// One number as a printf format has it, "%g" or "%.2f".
inline std::string printed(const char* format, double value)
{
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}
