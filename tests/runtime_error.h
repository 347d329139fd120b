// SPDX-License-Identifier: MIT
#pragma once
// What a call that must fail said: the message of the RuntimeError it threw,
// or nothing when it returned.

#include <string>

#include "base/checked.h"

template <class Call>
std::string runtimeErrorOf(Call call)
{
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.what();
    }
    return "";
}
