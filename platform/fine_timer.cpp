// SPDX-License-Identifier: MIT
#include "platform/fine_timer.h"

#ifdef _WIN32
#include <windows.h>
#include <timeapi.h>

FineTimer::FineTimer() { timeBeginPeriod(1); }
FineTimer::~FineTimer() { timeEndPeriod(1); }
#else
FineTimer::FineTimer() = default;
FineTimer::~FineTimer() = default;
#endif
