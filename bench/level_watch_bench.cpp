// SPDX-License-Identifier: MIT
// What --watch costs: the look at the level file that the main loop takes
// once a second (its length and bytes), and the reading and check
// of the file that follows a save, against one Raycast of the start view in
// the same run. A second holds at most 111 passes of 9 ms, so one look a
// second costs a pass on average a 111th of it.
//   ./build/bench/level_watch_bench --benchmark_repetitions=5

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <string>

#include "assets/level_picture.h"
#include "bench/recording_reporter.h"
#include "bench/start_view.h"
#include "core/level_watch.h"
#include "tests/fixture_pictures.h"

namespace {

constexpr double passMicroseconds = 9000;
constexpr double passesASecond = 1000.0 / 9;

void look(benchmark::State& run, const std::string& file)
{
    LevelWatch watch(file);
    for (auto _ : run) benchmark::DoNotOptimize(watch.changed());
}

void reread(benchmark::State& run, const std::string& file)
{
    for (auto _ : run) benchmark::DoNotOptimize(readLevelPicture(file).picture.has_value());
}

void printShares(const RecordingReporter& reporter)
{
    const double cast = reporter.median("Raycast/start/316x236");
    const double looked = reporter.median("LevelWatch/look");
    const double read = reporter.median("LevelWatch/reread");
    if (cast <= 0 || looked <= 0 || read <= 0) return;
    std::printf("\nRaycast of the start view: %.1f us\n", cast);
    std::printf("one look at the file, once a second: %.2f us = %.4fx Raycast; a pass pays %.4f us on average, "
                "%.5f%% of a 9 ms pass\n",
                looked, looked / cast, looked / passesASecond, 100 * looked / passesASecond / passMicroseconds);
    std::printf("reading and checking it after a save: %.1f us = %.2fx Raycast, once a save\n", read, read / cast);
}

}  // namespace

int main(int argc, char** argv)
{
    StartedForm world;
    const std::string file = fixturePath("map.bmp");
    benchmark::RegisterBenchmark("Raycast/start/316x236", raycastStartView, std::ref(world))
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("LevelWatch/look", look, file)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("LevelWatch/reread", reread, file)->Unit(benchmark::kMicrosecond);
    return runBenchmarks(argc, argv, printShares);
}
