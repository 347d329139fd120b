// SPDX-License-Identifier: MIT
#pragma once
// The baseline the benchmarks measure against in the same run: one Raycast
// of the start view.

#include <benchmark/benchmark.h>

#include "tests/started_form.h"

inline void raycastStartView(benchmark::State& run, StartedForm& world)
{
    Surface frame(316, 236);
    world.place(2.5f, 2.5f, 0);
    for (auto _ : run) {
        world.form.Raycast(frame);
        benchmark::ClobberMemory();
    }
}
