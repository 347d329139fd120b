// SPDX-License-Identifier: MIT
#pragma once
// The one kind of error the program raises at run time. It travels to the top
// of the event that started it, where the user is shown its message.

#include <stdexcept>

struct RuntimeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
