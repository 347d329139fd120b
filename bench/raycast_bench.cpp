// SPDX-License-Identifier: MIT
// Raycast against the cheapest way to fill the same surface: a memcpy of a
// frame drawn beforehand, measured in the same run. After the runs one table
// gives each view's Raycast as a multiple of that copy, next to the most it
// may take, and one the map panel's drawing against the copy of the view's
// frame, with what a pass of a stroke allocates. With
// --benchmark_repetitions the medians are compared.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "bench/map_panel_passes.h"
#include "bench/recording_reporter.h"
#include "tests/started_form.h"

namespace {

struct View {
    const char* name;
    float x;
    float y;
    float angle;
};

// The open views of the level, and views where walls fill most of the frame.
constexpr View views[] = {
    {"start", 2.5f, 2.5f, 0},
    {"hall", 20.5f, 45.5f, 45},
    {"wall", 2.5f, 2.5f, 270},         // half a cell from a face
    {"corridor", 54.5f, 38.5f, 10},    // down a corridor one cell wide, at a slant
    {"corner", 3.5f, 60.5f, 315},      // into the corner of a room, two cells away
    {"close", 1.25f, 7.5f, 270},       // a quarter of a cell from a face
};

struct Size {
    int width;
    int height;
    double maxRatio;
};

constexpr Size sizes[] = {{316, 236, 8}, {1920, 1080, 3}};

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
        benchmark::ClobberMemory();
    }
}

void copyFrame(benchmark::State& run, StartedForm& world, Size size)
{
    Surface prepared(size.width, size.height);
    world.place(views[0].x, views[0].y, views[0].angle);
    world.form.Raycast(prepared);
    Surface frame(size.width, size.height);
    const DeviceContext from = prepared.hDC();
    const DeviceContext to = frame.hDC();
    const std::size_t bytes = std::size_t(from.pitch) * std::size_t(from.height) * sizeof(std::uint32_t);
    for (auto _ : run) {
        std::memcpy(to.pixels, from.pixels, bytes);
        benchmark::ClobberMemory();
    }
}

void printRatios(const RecordingReporter& reporter)
{
    std::printf("\n%-9s %-10s %12s %10s %8s %7s\n", "view", "size", "Raycast us", "copy us", "ratio", "target");
    for (const Size& size : sizes) {
        const double copy = reporter.median("Copy/" + sizeName(size));
        for (const View& view : views) {
            const double cast = reporter.median("Raycast/" + std::string(view.name) + "/" + sizeName(size));
            if (copy <= 0 || cast <= 0) continue;
            const double ratio = cast / copy;
            std::printf("%-9s %-10s %12.1f %10.1f %7.2fx %6.0fx %s\n", view.name, sizeName(size).c_str(), cast,
                        copy, ratio, size.maxRatio, ratio <= size.maxRatio ? "" : "MISSED");
        }
    }
    printMapPanelRatios(reporter, reporter.median("Copy/" + sizeName(sizes[0])));
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
        benchmark::RegisterBenchmark(("Copy/" + sizeName(size)).c_str(), copyFrame, std::ref(world), size)
            ->Unit(benchmark::kMicrosecond);
    }
    registerMapPanelPasses();
    return runBenchmarks(argc, argv, printRatios);
}
