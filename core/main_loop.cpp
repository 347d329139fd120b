// SPDX-License-Identifier: MIT
// frmMain's load event, which is start-up and then the main loop for the
// rest of the program's life: render a frame, let the events through, wait
// out the pass, run the fixed 8 ms ticks it earned, and once a second write
// the frame rate into the caption and look at a watched level. The close
// request ends the loop from inside the events.

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string_view>

#include "base/checked.h"
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

// "Quentavox - 57fps", or while a level is edited "Quentavox - mylevel.bmp* -
// 57fps", written into a buffer that lives as long as the loop, so an
// update allocates nothing.
using CaptionBuffer = std::array<char, 128>;

std::string_view frameRateCaption(CaptionBuffer& buffer, std::string_view title, std::string_view edited,
                                  std::int32_t frames)
{
    title = title.substr(0, 40);
    edited = edited.substr(0, 64);
    char* end = std::copy(title.begin(), title.end(), buffer.data());
    end = std::copy_n(" - ", 3, end);
    if (!edited.empty()) {
        end = std::copy(edited.begin(), edited.end(), end);
        end = std::copy_n(" - ", 3, end);
    }
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
    BeginWalks();
    std::int64_t lastTick = platform.GetTickCount();

    CaptionBuffer caption{};
    bool captionUnsaved = false;
    const auto writeCaption = [&] {
        captionUnsaved = editor && editor->unsaved();
        platform.SetCaption(frameRateCaption(caption, platform.AppTitle(), EditedName(), state.framesPerSecond));
    };
    while (state.quitRequested != trueFlag) {
        Raycast(picRender);
        frameCount = checked::add32(frameCount, 1, "frameCount");
        platform.DoEvents(*this);
        // Once there is a caption, an edit or a save changes its mark at once.
        if (state.framesPerSecond != 0 && editor && editor->unsaved() != captionUnsaved) writeCaption();

        // The pass ends at the first clock reading 9 ms after lastTick, not
        // later: a later end would stretch the passes and change how many
        // ticks each one runs, and so how fast the player moves. The
        // platform sleeps through most of the wait, lets no events through,
        // and returns once the clock has turned to that reading. A replayed
        // pass runs the ticks it ran when recorded, and lasts as long as they
        // take, 8 ms each, but no less than a pass.
        const std::optional<WalkPass> replayed = NextReplayedPass();
        const std::int64_t passMs = replayed ? std::max(minimumPassMs, tickMs * replayed->ticks) : minimumPassMs;
        platform.WaitUntilTick(lastTick + passMs);
        const auto steps = static_cast<std::int32_t>(ticksFor(platform.GetTickCount() - lastTick));
        RunPass(replayed ? *replayed : WalkPass{steps, heldActions(state), mouse.take()});
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
            writeCaption();
            CheckWatchedLevel();
            FlushRecording();
        }
    }
}

void frmMain::Form_QueryUnload(std::int16_t& Cancel, std::int16_t& UnloadMode)
{
    // Nothing the user made is lost unless they say so; told to end from
    // outside, the program ends.
    if (editor && editor->unsaved() && UnloadMode == vbFormControlMenu) {
        const Platform::SaveAnswer answer =
            platform.AskToSave("Save the changes to " + editedName.substr(0, editedName.size() - 1) + "?");
        if (answer == Platform::SaveAnswer::Cancel || (answer == Platform::SaveAnswer::Save && !SaveLevel())) {
            Cancel = trueFlag;
            return;
        }
    }
    state.quitRequested = trueFlag;
    if (recording) ShowWriteProblem(recording->finish(state), "cannot be put in place");
    throw ProgramEnd{};
}
