// SPDX-License-Identifier: MIT
#pragma once
// A failed SDL call as a run-time error: what was being done, then SDL's reason.

#include <SDL_error.h>

#include <string>
#include <string_view>

#include "base/runtime_error.h"

[[noreturn]] inline void failWithSdlError(std::string_view what)
{
    throw RuntimeError(std::string(what) + ": " + SDL_GetError());
}
