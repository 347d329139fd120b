// SPDX-License-Identifier: MIT
// What showing the window at a scale costs, next to the frame it shows: the
// enlarging of the whole 339 x 259 form and of the render box alone at each
// scale, and a whole Present through the platform (on SDL's dummy driver, so
// without the display's own copy), against one Raycast of the start view in
// the same run. A pass lasts at least 9 ms; the table gives each as a share
// of that, next to the most it may take at scale 4.

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/recording_reporter.h"
#include "bench/start_view.h"
#include "platform/sdl_platform.h"
#include "core/stored_window.h"
#include "gfx/upscale.h"
#include "tests/started_form.h"

namespace {

constexpr double passMicroseconds = 9000;
constexpr double mostShareAtScale4 = 0.10;
constexpr int scales[] = {1, 2, 3, 4, 8};

struct FreeSurface {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, FreeSurface>;

SurfacePtr xrgb(int width, int height)
{
    return SurfacePtr(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_XRGB8888));
}

// The whole form, as after a resize, or only the frame inside the box, as on
// every other pass.
void enlarge(benchmark::State& run, SDL_Rect area, int scale)
{
    const SurfacePtr form = xrgb(storedClientWidth, storedClientHeight);
    const SurfacePtr window = xrgb(storedClientWidth * scale, storedClientHeight * scale);
    SDL_FillRect(form.get(), nullptr, 0x123456);
    for (auto _ : run) {
        upscale(*form, area, *window, scale);
        benchmark::ClobberMemory();
    }
}

// The platform's whole Present of a frame, at the window's size as created.
void present(benchmark::State& run, StartedForm& world, int scale)
{
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    SdlPlatform platform({.scale = scale});
    Surface& frame = world.form.picRender;
    frame.Left = 12;
    frame.Top = 12;
    world.form.Raycast(frame);
    for (auto _ : run) {
        platform.Present(frame);
        benchmark::ClobberMemory();
    }
}

void printShares(const RecordingReporter& reporter)
{
    const double cast = reporter.median("Raycast/start/316x236");
    std::printf("\nRaycast of the start view: %.1f us\n", cast);
    std::printf("%-6s %-22s %10s %12s %12s %7s\n", "scale", "what", "us", "x Raycast", "of a pass", "target");
    for (const int scale : scales) {
        for (const char* what : {"Enlarge/form", "Enlarge/box", "Present"}) {
            const double time = reporter.median(std::string(what) + "/x" + std::to_string(scale));
            if (time <= 0 || cast <= 0) continue;
            const double share = time / passMicroseconds;
            const bool judged = scale == 4;
            std::printf("%-6d %-22s %10.1f %11.2fx %11.1f%% %6s %s\n", scale, what, time, time / cast,
                        100 * share, judged ? "10%" : "", judged && share > mostShareAtScale4 ? "MISSED" : "");
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    StartedForm world;
    benchmark::RegisterBenchmark("Raycast/start/316x236", raycastStartView, std::ref(world))->Unit(benchmark::kMicrosecond);
    for (const int scale : scales) {
        const std::string suffix = "/x" + std::to_string(scale);
        benchmark::RegisterBenchmark(("Enlarge/form" + suffix).c_str(), enlarge,
                                     SDL_Rect{0, 0, storedClientWidth, storedClientHeight}, scale)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Enlarge/box" + suffix).c_str(), enlarge, SDL_Rect{14, 14, 316, 236}, scale)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Present" + suffix).c_str(), present, std::ref(world), scale)
            ->Unit(benchmark::kMicrosecond);
    }
    return runBenchmarks(argc, argv, printShares);
}
