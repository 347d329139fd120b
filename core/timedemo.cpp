// SPDX-License-Identifier: MIT
#include "core/timedemo.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "base/concat.h"
#include "core/headless_platform.h"
#include "gfx/frame_copy.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::duration duration) { return std::chrono::duration<double>(duration).count(); }

std::string fixed(double value, int decimals)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
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
    std::int64_t frames = 0;
    // The drawing is timed in processor time, as the frame copies are, over
    // the whole replay: a clock read around each frame would cost more than
    // the ticks and records in between, and some systems count processor
    // time in steps of milliseconds.
    const Clock::time_point start = Clock::now();
    const double startedDrawing = processorSeconds();
    while (true) {
        form.Raycast(form.picRender);
        ++frames;
        const std::optional<WalkPass> pass = form.NextReplayedPass();
        if (!pass) break;
        form.RunPass(*pass);
    }
    const double perFrame = (processorSeconds() - startedDrawing) / double(frames);
    const double total = seconds(Clock::now() - start);
    // As many copies as there were frames, and at least a thousand.
    Surface copy(form.picRender.hDC().width, form.picRender.hDC().height);
    const double perCopy = frameCopySeconds(form.picRender, copy, std::max<std::int64_t>(frames, 1000));
    return {concat(name, ": ", std::to_string(frames), " frames in ", fixed(total, 2), " s, ",
                   fixed(double(frames) / total, 0), " fps; a frame takes ", fixed(perFrame / perCopy, 1),
                   " times a frame copy to draw (", fixed(perFrame * 1e6, 1), " us against ", fixed(perCopy * 1e6, 1),
                   " us)\n", headless.lines),
            form.replayDiffered};
}
