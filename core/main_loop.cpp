// SPDX-License-Identifier: MIT
#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "base/checked.h"
#include "core/frmMain.h"

namespace {

constexpr std::int64_t minimumPassMs = 9;
constexpr std::int64_t tickMs = 8;
// The wait's last stretch, watched on the clock instead of slept. The clock
// counts whole milliseconds, so up to 1 ms more may have passed than a
// reading says; a sleep that stops wakeMarginMs short of the end therefore
// wakes by the 9 ms reading at the latest, as long as it wakes less than
// wakeMarginMs late. Measured with tools/sleep_overrun on Linux at real-time
// priority, so that no other program's work delayed the wake-ups, 2400
// sleeps of 1 to 8 ms woke 0.04 ms late at the median and 0.4 ms at worst;
// at normal priority beside busy compilers, 0.09 ms at the median. On
// Windows the program asks for a 1 ms timer for as long as it runs.
constexpr std::int64_t wakeMarginMs = 1;
constexpr std::int64_t captionIntervalMs = 1000;
// The longest interval whose backlog of ticks is run. A longer stall (a
// suspended laptop, a debugger) is dropped: that pass runs a single tick
// instead of minutes of walking in one burst.
constexpr std::int64_t longestBacklogMs = 32767;

std::int64_t ticksFor(std::int64_t elapsedMs)
{
    return elapsedMs > longestBacklogMs ? 1 : elapsedMs / tickMs;
}

// "Quentavox - 57fps", written into a buffer that lives as long as the loop,
// so an update allocates nothing.
using CaptionBuffer = std::array<char, 64>;

std::string_view frameRateCaption(CaptionBuffer& buffer, std::string_view title, std::int32_t frames)
{
    title = title.substr(0, 40);
    char* end = std::copy(title.begin(), title.end(), buffer.data());
    end = std::copy_n(" - ", 3, end);
    end = std::to_chars(end, buffer.data() + buffer.size() - 3, frames).ptr;
    end = std::copy_n("fps", 3, end);
    return {buffer.data(), static_cast<std::size_t>(end - buffer.data())};
}

}  // namespace

void frmMain::Form_Load()
{
    std::int32_t frameCount = 0;
    // Not a clock reading: so the very first pass already writes the caption.
    std::int64_t fpsTick = 0;

    platform.Show(*this);
    SetUpGame();
    std::int64_t lastTick = platform.GetTickCount();

    CaptionBuffer caption{};
    while (state.quitRequested != trueFlag) {
        Raycast(picRender);
        frameCount = checked::add32(frameCount, 1, "frameCount");
        platform.DoEvents(*this);

        // The pass ends at the first clock reading 9 ms after lastTick, not
        // later: a later end would stretch the passes and change how many
        // ticks each one runs, and so how fast the player moves. A sleep
        // wakes up late by however much the scheduler pleases, so the wait
        // sleeps only until wakeMarginMs before the end and watches the clock
        // for the rest. It lets no events through.
        for (std::int64_t waited = platform.GetTickCount() - lastTick; waited < minimumPassMs;
             waited = platform.GetTickCount() - lastTick) {
            if (minimumPassMs - waited > wakeMarginMs) platform.Sleep(minimumPassMs - waited - wakeMarginMs);
        }
        const std::int64_t steps = ticksFor(platform.GetTickCount() - lastTick);
        for (std::int64_t tick = 1; tick <= steps; ++tick) GameCode();
        state.ticksRun += steps;
        // Nothing is carried over: the remainder and the ticks' own time are
        // dropped. Also deliberate: a 9 ms pass runs one tick and loses 1 ms,
        // so the player moves slower than one tick per 8 ms, and that is the
        // speed of the game. Carrying the remainder over would make every
        // movement faster.
        lastTick = platform.GetTickCount();

        if (platform.GetTickCount() - fpsTick >= captionIntervalMs) {
            state.framesPerSecond = frameCount;
            frameCount = 0;
            fpsTick = platform.GetTickCount();
            platform.SetCaption(frameRateCaption(caption, platform.AppTitle(), state.framesPerSecond));
            CheckWatchedLevel();
        }
    }
}

void frmMain::Form_QueryUnload(std::int16_t&, std::int16_t&)
{
    state.quitRequested = trueFlag;
    throw ProgramEnd{};
}
