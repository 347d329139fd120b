// SPDX-License-Identifier: MIT
#include "bench/map_panel_passes.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "bench/recording_reporter.h"
#include "gfx/frame_copy.h"
#include "tests/started_form.h"

namespace {

// Every allocation of the benchmark program counts here.
std::uint64_t allocations = 0;
// What the passes of the last stroke allocated, and how many there were.
std::uint64_t strokeAllocations = 0;
std::uint64_t strokePasses = 0;

// The rays of a few headings, cast beforehand: in a pass the renderer has
// cast them for its frame already.
constexpr int headings = 36;

std::array<ColumnRuns, headings> raysAround(StartedForm& world)
{
    std::array<ColumnRuns, headings> rays;
    for (int i = 0; i < headings; ++i) {
        world.state.playerAngle = float(i * 10);
        rays[std::size_t(i)] = castColumnRuns(world.state, storedViewWidth, storedViewHeight);
    }
    return rays;
}

// The start, in its corridor, and the middle of the hall, where the rays are
// longest and the floor they cross the largest. A stroke is painted standing
// still, facing as given.
struct Spot {
    const char* name;
    float x;
    float y;
    int heading;
};
constexpr Spot spots[] = {{"start", 2.5f, 2.5f, 0}, {"hall", 20.5f, 45.5f, 40}};

void passes(benchmark::State& run, Spot spot, bool editing)
{
    // The panel in no window, whose Refresh shows nothing.
    StartedForm world;
    world.place(spot.x, spot.y, 0);
    const std::array<ColumnRuns, headings> rays = raysAround(world);
    MapPanel panel(editing);
    std::optional<LevelEditor> stroked;
    if (editing) stroked.emplace(world.state, true);
    LevelEditor* editor = stroked ? &*stroked : nullptr;
    if (editor) editor->beginStroke(10.5, 40.5, 1);
    std::uint64_t pass = 0;
    const std::uint64_t before = allocations;
    for (auto _ : run) {
        const std::size_t heading = editor ? std::size_t(spot.heading / 10) : pass % headings;
        world.state.playerAngle = float(heading * 10);
        if (editor) {
            // To and fro across the hall, the pointer with it.
            const double x = 10.5 + double(pass % 30);
            editor->continueStroke(x, 40.5 + double(pass % 7));
            panel.pointAt(panel.at((64 - x) * mapCellPixels, 40 * mapCellPixels));
        }
        panel.draw(world.state, editor, std::span(rays[heading].begin(), rays[heading].size()), storedViewWidth,
                   world.form.picTexture);
        benchmark::ClobberMemory();
        ++pass;
    }
    if (editor) {
        strokeAllocations = allocations - before;
        strokePasses = pass;
    }
    // The yardstick: copying the view's frame, as often.
    Surface frame(storedViewWidth, storedViewHeight);
    Surface copy(storedViewWidth, storedViewHeight);
    run.counters["copy_us"] = frameCopySeconds(frame, copy, run.iterations()) * 1e6;
}

std::string passName(const Spot& spot, bool editing)
{
    return std::string("MapPanel/") + (editing ? "stroke/" : "turning/") + spot.name;
}

}  // namespace

// Replaced, to count.
void* operator new(std::size_t size)
{
    ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

void registerMapPanelPasses()
{
    for (const bool editing : {false, true}) {
        for (const Spot& spot : spots) {
            benchmark::RegisterBenchmark(passName(spot, editing).c_str(), passes, spot, editing)
                ->Unit(benchmark::kMicrosecond);
        }
    }
}

void printMapPanelRatios(const RecordingReporter& reporter)
{
    std::printf("\nmedians of the repetitions, each map panel pass against the copies of the view's frame timed "
                "right after it\n");
    std::printf("%-23s %12s %10s %8s %7s\n", "map panel pass", "drawing us", "copy us", "ratio", "target");
    for (const bool editing : {false, true}) {
        for (const Spot& spot : spots) {
            const std::string name = passName(spot, editing);
            const std::vector<double> ratios = reporter.ratios(name, "copy_us");
            if (ratios.empty()) continue;
            const double ratio = medianOf(ratios);
            std::printf("%-23s %12.1f %10.1f %7.2fx %6.0fx %s\n", name.c_str(), reporter.median(name),
                        medianOf(reporter.counter(name, "copy_us")), ratio, 1.0, ratio <= 1 ? "" : "MISSED");
        }
    }
    std::printf("a stroke's %llu passes allocated %llu times %s\n", static_cast<unsigned long long>(strokePasses),
                static_cast<unsigned long long>(strokeAllocations), strokeAllocations == 0 ? "" : "MISSED");
}
