// SPDX-License-Identifier: MIT
#pragma once
// Messages are built by appending: chains of operator+ on strings trip a
// false -Wrestrict warning in g++ 12.

#include <string>

template <class... Parts>
std::string concat(const Parts&... parts)
{
    std::string text;
    (text += ... += parts);
    return text;
}
