// SPDX-License-Identifier: MIT
// Raycast against the cheapest way to fill the same surface: a memcpy of the
// finished frame, timed right after each repetition of each view for as many
// frames. One table then gives each view's Raycast as a multiple of that copy,
// the median of the repetitions' ratios, next to the most it may take; and
// one the map panel's drawing against the copy of the view's frame, with what
// a pass of a stroke allocates.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/map_panel_passes.h"
#include "bench/recording_reporter.h"
#include "gfx/frame_copy.h"
#include "tests/started_form.h"

namespace {

struct View {
    const char* name;
    float x;
    float y;
    float angle;
    // Turning on the spot: each frame one degree on from the last.
    bool turning = false;
};

// The open views of the level, and views where walls fill most of the frame.
constexpr View views[] = {
    {"start", 2.5f, 2.5f, 0},
    {"hall", 20.5f, 45.5f, 45},
    {"wall", 2.5f, 2.5f, 270},         // half a cell from a face
    {"corridor", 54.5f, 38.5f, 10},    // down a corridor one cell wide, at a slant
    {"corner", 3.5f, 60.5f, 315},      // into the corner of a room, two cells away
    {"close", 1.25f, 7.5f, 270},       // a quarter of a cell from a face
    {"touch", 1.05f, 7.5f, 270},       // a twentieth of a cell from a face
    {"slant", 42.5f, 30.5f, 20},       // along a long wall, 20 degrees toward it
    {"turning", 1.25f, 40.5f, 0, true},  // a quarter of a cell from a wall, all round
};

struct Size {
    int width;
    int height;
    double maxRatio;
};

constexpr Size sizes[] = {{316, 236, 4}, {1920, 1080, 3}};

// Unless the command line says otherwise: several repetitions, each long
// enough to time.
const char* const defaultOptions[] = {"--benchmark_repetitions=5"};

std::string sizeName(const Size& size)
{
    return std::to_string(size.width) + "x" + std::to_string(size.height);
}

void raycast(benchmark::State& run, StartedForm& world, View view, Size size)
{
    // Not shown in any window, so Refresh presents nothing.
    Surface frame(size.width, size.height);
    world.place(view.x, view.y, view.angle);
    for (auto _ : run) {
        world.form.Raycast(frame);
        if (view.turning) world.state.playerAngle = float((int(world.state.playerAngle) + 1) % 360);
        benchmark::ClobberMemory();
    }
    Surface copy(size.width, size.height);
    run.counters["copy_us"] = frameCopySeconds(frame, copy, run.iterations()) * 1e6;
}

void printRatios(const RecordingReporter& reporter)
{
    std::printf("\nmedians of the repetitions, each Raycast against the copies timed right after it\n");
    std::printf("%-9s %-10s %12s %10s %8s %7s\n", "view", "size", "Raycast us", "copy us", "ratio", "target");
    for (const Size& size : sizes) {
        for (const View& view : views) {
            const std::string name = "Raycast/" + std::string(view.name) + "/" + sizeName(size);
            const std::vector<double> ratios = reporter.ratios(name, "copy_us");
            if (ratios.empty()) continue;
            const double ratio = medianOf(ratios);
            std::printf("%-9s %-10s %12.1f %10.1f %7.2fx %6.0fx %s\n", view.name, sizeName(size).c_str(),
                        reporter.median(name), medianOf(reporter.counter(name, "copy_us")), ratio, size.maxRatio,
                        ratio <= size.maxRatio ? "" : "MISSED");
        }
    }
    printMapPanelRatios(reporter);
}

}  // namespace

int main(int argc, char** argv)
{
    StartedForm world;
    for (const Size& size : sizes) {
        for (const View& view : views) {
            const std::string name = "Raycast/" + std::string(view.name) + "/" + sizeName(size);
            benchmark::RegisterBenchmark(name.c_str(), raycast, std::ref(world), view, size)
                ->Unit(benchmark::kMicrosecond);
        }
    }
    registerMapPanelPasses();
    // The defaults first: an option given on the command line comes later and wins.
    std::vector<char*> arguments{argv[0]};
    for (const char* option : defaultOptions) arguments.push_back(const_cast<char*>(option));
    arguments.insert(arguments.end(), argv + 1, argv + argc);
    return runBenchmarks(int(arguments.size()), arguments.data(), printRatios);
}
