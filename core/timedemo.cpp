// SPDX-License-Identifier: MIT
#include "core/timedemo.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/concat.h"
#include "core/headless_platform.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::duration duration) { return std::chrono::duration<double>(duration).count(); }

std::string fixed(double value, int decimals)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// As many copies of the frame as there were frames, at least a thousand.
double secondsPerCopy(const DeviceContext& frame, long frames)
{
    const std::size_t bytes = std::size_t(frame.pitch) * std::size_t(frame.height) * sizeof *frame.pixels;
    std::vector<unsigned char> copy(bytes);
    const long copies = std::max(frames, 1000L);
    volatile unsigned char seen = 0;
    const Clock::time_point start = Clock::now();
    for (long i = 0; i < copies; ++i) {
        std::memcpy(copy.data(), frame.pixels, bytes);
        seen = copy[std::size_t(i) % bytes];
    }
    static_cast<void>(seen);
    return seconds(Clock::now() - start) / double(copies);
}

}  // namespace

TimedemoResult runTimedemo(Walk walk, const std::string& name, const FormPictures& pictures)
{
    HeadlessPlatform headless;
    frmMain form(headless, pictures);
    form.SetUpGame();
    form.replay.emplace(std::move(walk), name);
    form.BeginWalks();
    headless.lines.clear();
    long frames = 0;
    Clock::duration drawing{};
    const Clock::time_point start = Clock::now();
    while (true) {
        const Clock::time_point before = Clock::now();
        form.Raycast(form.picRender);
        drawing += Clock::now() - before;
        ++frames;
        const std::optional<WalkPass> pass = form.NextReplayedPass();
        if (!pass) break;
        form.RunPass(*pass);
    }
    const double total = seconds(Clock::now() - start);
    const double perFrame = seconds(drawing) / double(frames);
    const double perCopy = secondsPerCopy(form.picRender.hDC(), frames);
    return {concat(name, ": ", std::to_string(frames), " frames in ", fixed(total, 2), " s, ",
                   fixed(double(frames) / total, 0), " fps; a frame takes ", fixed(perFrame / perCopy, 1),
                   " times a frame copy to draw (", fixed(perFrame * 1e6, 1), " us against ", fixed(perCopy * 1e6, 1),
                   " us)\n", headless.lines),
            form.replayDiffered};
}
