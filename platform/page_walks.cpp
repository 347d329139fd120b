// SPDX-License-Identifier: MIT
#include "platform/page_walks.h"

#include <emscripten.h>

#include <optional>
#include <string>
#include <utility>

#include "core/platform.h"
#include "sim/walk_link.h"

namespace {

// The link of the walk just recorded, "LEVEL&walk=WALK" ("" when it is too
// long to be read back), and its length in seconds of ticks.
EM_JS(void, tellPageRecorded, (const char* link, double seconds), {
    const detail = { link: UTF8ToString(link), seconds: seconds };
    window.dispatchEvent(new CustomEvent("quentavoxwalk", { detail: detail }));
});

struct PageWalks {
    std::optional<bool> record;
    std::optional<Walk> toPlay;
    std::string problem;
    bool recording = false;
    bool mouse = false;
    bool freed = false;
};

// The page calls in with no handle of the program's, from before main()
// until the page goes.
PageWalks walks;

}  // namespace

void playPageWalks(FormEvents& form)
{
    if (walks.toPlay) {
        form.PlayWalk(std::move(*walks.toPlay), "the walk link");
        walks.toPlay.reset();
    }
    if (!walks.record || *walks.record == walks.recording) return;
    walks.recording = *walks.record;
    walks.record.reset();
    if (walks.recording) {
        form.StartRecording();
        return;
    }
    const Walk walk = form.StopRecording();
    // A link longer than a page reads is none.
    std::string link = levelAndWalkLink(walk);
    if (link.size() > walk.level.size() + walkLinkPart.size() + longestWalkLink) link.clear();
    tellPageRecorded(link.c_str(), double(walk.ticks) * 0.008);
}

bool pageMouseTurns() { return walks.mouse && !std::exchange(walks.freed, false); }

// What the page calls (page.js).
extern "C" {

EMSCRIPTEN_KEEPALIVE void quentavoxRecord(bool on) { walks.record = on; }

EMSCRIPTEN_KEEPALIVE void quentavoxMouse(bool on, bool freed)
{
    walks.mouse = on;
    walks.freed = freed;
}

// The text after "#level=" in the page's address when it holds a walk too,
// "LEVEL&walk=WALK": "" when the walk waits to be played, otherwise why not.
EMSCRIPTEN_KEEPALIVE const char* quentavoxOpenWalkLink(const char* text)
{
    WalkLinkReading reading = readLevelAndWalkLink(text);
    walks.problem = std::move(reading.problem);
    if (walks.problem.empty()) walks.toPlay = std::move(reading.walk);
    return walks.problem.c_str();
}

}  // extern "C"
