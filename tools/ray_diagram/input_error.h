// SPDX-License-Identifier: MIT
#pragma once
// A mistake in what the tool was asked to do: an argument it cannot read, a
// picture it cannot use, a spot where nobody can stand, a file it cannot
// write. The tool prints the message on one line and ends with exit status 2.

#include <stdexcept>

struct InputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
