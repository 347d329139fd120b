// SPDX-License-Identifier: MIT
// What --record costs a pass: the pass kept in the recording, and once a
// second (every 111th pass of 9 ms) the passes so far sealed into a block
// and handed to the file, against one Raycast of the start view in the same
// run. It may cost at most 1% of that Raycast.
//   ./build/bench/walk_bench --benchmark_repetitions=5

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "bench/recording_reporter.h"
#include "bench/start_view.h"
#include "tests/scratch_folder.h"

namespace {

constexpr double mostShare = 0.01;
constexpr int passesASecond = 111;

// A walk's passes as the keys and the mouse change them now and then.
void record(benchmark::State& run, StartedForm& world, const std::string& file)
{
    std::string problem;
    world.form.recording.emplace(demoFileOutput(PartFile::create(file, problem).value(), "bench"));
    world.form.BeginWalks();
    Actions held;
    std::int32_t pass = 0;
    for (auto _ : run) {
        if (++pass % 23 == 0) held.flip(std::size_t(pass % 6));
        world.form.recording->pass({1 + pass % 9 / 8, held, std::int16_t(pass % 37 == 0 ? 3 : 0)});
        if (pass % passesASecond == 0) world.form.FlushRecording();
    }
    static_cast<void>(world.form.recording->finish(world.state));
    world.form.recording.reset();
}

void printShare(const RecordingReporter& reporter)
{
    const double cast = reporter.median("Raycast/start/316x236");
    const double recorded = reporter.median("Recording/pass");
    if (cast <= 0 || recorded <= 0) return;
    const double share = recorded / cast;
    std::printf("\nRaycast of the start view: %.1f us\nrecording a pass, its share of the file's writes included: "
                "%.3f us = %.3f%% of a Raycast (at most %.0f%%)%s\n",
                cast, recorded, 100 * share, 100 * mostShare, share > mostShare ? "  MISSED" : "");
}

}  // namespace

int main(int argc, char** argv)
{
    StartedForm world;
    const ScratchFolder folder;
    const std::string file = (folder.path / "bench.qvd").string();
    benchmark::RegisterBenchmark("Raycast/start/316x236", raycastStartView, std::ref(world))
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Recording/pass", record, std::ref(world), file)->Unit(benchmark::kMicrosecond);
    return runBenchmarks(argc, argv, printShare);
}
