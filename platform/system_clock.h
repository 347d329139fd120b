// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// Milliseconds since the system started, 64 bits wide so it never wraps.
std::int64_t millisecondsSinceBoot();
