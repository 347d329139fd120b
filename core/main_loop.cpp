#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "assets/map_decoding.h"
#include "core/checked.h"
#include "core/frmMain.h"

namespace {

constexpr std::int64_t minimumPassMs = 9;
constexpr std::int64_t tickMs = 8;
constexpr std::int64_t captionIntervalMs = 1000;
// The longest interval whose backlog of ticks is run. A longer stall (a
// suspended laptop, a debugger) is dropped: that pass runs a single tick
// instead of minutes of walking in one burst.
constexpr std::int64_t longestBacklogMs = 32767;

std::int64_t ticksFor(std::int64_t elapsedMs)
{
    return elapsedMs > longestBacklogMs ? 1 : elapsedMs / tickMs;
}

}  // namespace

void frmMain::Form_Load()
{
    std::int32_t frameCount = 0;
    // Not a clock reading: so the very first pass already writes the caption.
    std::int64_t fpsTick = 0;

    platform.Show(*this);
    generateTrig(state.sinTable, state.tanTable);
    state.playerX = 2.5f;
    state.playerY = 2.5f;
    decodeMap(picMap, state.mapCells);
    std::int64_t lastTick = platform.GetTickCount();

    std::array<char, 64> caption{};
    while (state.quitRequested != True) {
        Raycast(picRender);
        frameCount = checked::add32(frameCount, 1, "frameCount");
        platform.DoEvents(*this);

        // The pacing is a busy wait on the clock: it neither sleeps nor lets
        // events through.
        while (platform.GetTickCount() - lastTick < minimumPassMs) {
        }
        const std::int64_t steps = ticksFor(platform.GetTickCount() - lastTick);
        for (std::int64_t tick = 1; tick <= steps; ++tick) GameCode();
        // Nothing is carried over: the remainder and the ticks' own time are dropped.
        lastTick = platform.GetTickCount();

        if (platform.GetTickCount() - fpsTick >= captionIntervalMs) {
            state.framesPerSecond = frameCount;
            frameCount = 0;
            fpsTick = platform.GetTickCount();
            const std::string_view title = platform.AppTitle().substr(0, 40);
            char* end = caption.data();
            end = std::copy(title.begin(), title.end(), end);
            end = std::copy_n(" - ", 3, end);
            end = std::to_chars(end, caption.data() + caption.size() - 3, state.framesPerSecond).ptr;
            end = std::copy_n("fps", 3, end);
            platform.SetCaption({caption.data(), static_cast<std::size_t>(end - caption.data())});
        }
    }
}

void frmMain::Form_QueryUnload(std::int16_t&, std::int16_t&)
{
    state.quitRequested = True;
    throw ProgramEnd{};
}
