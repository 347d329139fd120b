// Raycast against the cheapest way to fill the same surface: a memcpy of a
// frame drawn beforehand. The table printed after the runs gives each
// Raycast as a multiple of its copy, next to the most it may take, and next
// to the floor that writing in columns sets: a bare loop that writes just the
// wall pixels of the same view, one column after another, with no backdrop,
// no sampling and no ray casting.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "render/ray_column.h"
#include "tests/started_form.h"

namespace {

struct View {
    const char* name;
    float x;
    float y;
    float angle;
};

constexpr View views[] = {
    {"start", 2.5f, 2.5f, 0},
    {"hall", 20.5f, 45.5f, 45},
    {"wall", 2.5f, 2.5f, 270},
};

struct Size {
    int width;
    int height;
    double maxRatio;
};

constexpr Size sizes[] = {{316, 236, 8}, {1920, 1080, 4}};

// The window with its pictures and level, built once.
struct World : StartedForm {
    void face(const View& view) { place(view.x, view.y, view.angle); }
};

std::string sizeName(const Size& size)
{
    return std::to_string(size.width) + "x" + std::to_string(size.height);
}

void raycast(benchmark::State& run, World& world, View view, Size size)
{
    // Not shown in any window, so Refresh presents nothing.
    Surface frame(size.width, size.height);
    world.face(view);
    for (auto _ : run) {
        world.form.Raycast(frame);
        benchmark::ClobberMemory();
    }
}

// The rows each screen column of the view covers, clipped to the surface.
struct ColumnRows {
    std::int32_t top;
    std::int32_t bottom;
};

std::vector<ColumnRows> wallRows(World& world, Size size)
{
    std::vector<ColumnRows> rows;
    LastWallCodes lastCodes;
    for (std::int32_t column = 0; column < size.width; ++column) {
        const WallColumn wall = castColumn(world.form.state, columnRayOffset(column, size.width),
                                           float(size.height), lastCodes);
        rows.push_back({std::max(wall.wallTop, 0), std::min(wall.wallTop + wall.wallHeight, size.height)});
    }
    return rows;
}

// Only the writes of the wall columns, one column after another, as fast as
// such a loop was found to go: each pixel read before it is written, which on
// wide images measured up to three times faster than lone stores. A blit per
// column must write these same pixels in this same order.
void bareColumns(benchmark::State& run, World& world, View view, Size size)
{
    Surface frame(size.width, size.height);
    world.face(view);
    const std::vector<ColumnRows> rows = wallRows(world, size);
    const DeviceContext to = frame.hDC();
    for (auto _ : run) {
        for (std::int32_t column = 0; column < size.width; ++column) {
            std::uint32_t* pixel = to.pixels + std::ptrdiff_t(rows[column].top) * to.pitch + column;
            for (std::int32_t row = rows[column].top; row < rows[column].bottom; ++row, pixel += to.pitch) {
                const std::uint32_t before = *static_cast<const volatile std::uint32_t*>(pixel);
                *pixel = before + std::uint32_t(row);
            }
        }
        benchmark::ClobberMemory();
    }
}

void copyFrame(benchmark::State& run, World& world, Size size)
{
    Surface prepared(size.width, size.height);
    world.face(views[0]);
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

// Passes everything to the console and keeps each run's CPU time per frame:
// on a machine shared with other work the CPU time is the steadier figure.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration) cpuTime[run.benchmark_name()] = run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> cpuTime;  // microseconds per frame
};

void printRatios(const RecordingReporter& reporter)
{
    std::printf("\n%-10s %-10s %14s %14s %8s %8s %14s %8s\n", "view", "size", "Raycast", "copy", "ratio",
                "target", "bare columns", "ratio");
    for (const Size& size : sizes) {
        const auto copy = reporter.cpuTime.find("Copy/" + sizeName(size));
        if (copy == reporter.cpuTime.end()) continue;
        for (const View& view : views) {
            const auto cast = reporter.cpuTime.find("Raycast/" + std::string(view.name) + "/" + sizeName(size));
            if (cast == reporter.cpuTime.end()) continue;
            const double ratio = cast->second / copy->second;
            const auto bare = reporter.cpuTime.find("BareColumns/" + std::string(view.name) + "/" + sizeName(size));
            const double bareTime = bare == reporter.cpuTime.end() ? 0 : bare->second;
            std::printf("%-10s %-10s %11.1f us %11.1f us %7.2fx %7.0fx %11.1f us %7.2fx %s\n", view.name,
                        sizeName(size).c_str(), cast->second, copy->second, ratio, size.maxRatio, bareTime,
                        bareTime / copy->second, ratio <= size.maxRatio ? "ok" : "TOO SLOW");
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    World world;
    for (const Size& size : sizes) {
        for (const View& view : views) {
            const std::string name = "Raycast/" + std::string(view.name) + "/" + sizeName(size);
            benchmark::RegisterBenchmark(name.c_str(), raycast, std::ref(world), view, size)
                ->Unit(benchmark::kMicrosecond);
            const std::string bare = "BareColumns/" + std::string(view.name) + "/" + sizeName(size);
            benchmark::RegisterBenchmark(bare.c_str(), bareColumns, std::ref(world), view, size)
                ->Unit(benchmark::kMicrosecond);
        }
        benchmark::RegisterBenchmark(("Copy/" + sizeName(size)).c_str(), copyFrame, std::ref(world), size)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    printRatios(reporter);
    return 0;
}
