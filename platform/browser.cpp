// SPDX-License-Identifier: MIT
#include "platform/browser.h"

#include <SDL.h>
#include <emscripten.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "assets/cells_to_bmp.h"
#include "assets/embedded_pictures.h"
#include "assets/level_link.h"
#include "assets/level_picture.h"
#include "base/checked.h"

namespace {

// The steady clock counts from the page's load, so the first pass of the
// main loop would find less than a second since "0" and not write its first
// caption at once, as it does on the desktop.
EM_JS(double, wallClock, (), { return performance.timeOrigin + performance.now(); });

// Whether a dropped level was taken: with no lines it was, otherwise they
// say why not.
EM_JS(void, tellPage, (const char* file, bool fromLink, const char* refusal), {
    const detail = { file: UTF8ToString(file), fromLink: fromLink, refusal: UTF8ToString(refusal) };
    window.dispatchEvent(new CustomEvent("quentavoxlevel", { detail: detail }));
});

// Where a level from a link is written, beside the pictures the page writes
// into the program's memory; the refusal's lines name it.
constexpr const char* linkedLevelPath = "the level link";
// A page that asks faster than the program runs keeps at most this many.
constexpr std::size_t mostOpenedLevels = 8;

std::vector<std::string> openedLevels;
// The link of the level played; empty while it is the built-in one.
std::string playedLink;
// What refused the level dropped last, if anything did.
std::string refusal;

// Each as SDL hands on a file dropped on a window, freed by its handler.
void dropOpenedLevels()
{
    for (const std::string& path : openedLevels) {
        SDL_Event event{};
        event.type = SDL_DROPFILE;
        event.drop.file = SDL_strdup(path.c_str());
        if (SDL_PushEvent(&event) != 1) SDL_free(event.drop.file);
    }
    openedLevels.clear();
}

}  // namespace

std::int64_t browserNanoseconds() { return checked::floorToInt(wallClock() * 1e6, "browser clock"); }

void browserSleep(std::int32_t milliseconds)
{
    emscripten_sleep(static_cast<unsigned>(std::max(milliseconds, 0)));
    // Before SDL's start its queue takes nothing; the levels wait.
    if (SDL_WasInit(SDL_INIT_EVENTS) != 0) dropOpenedLevels();
}

void browserRefusal(std::string_view lines) { refusal = lines; }

void browserLevelDropped(std::string_view path)
{
    const std::string file(path);
    if (refusal.empty()) {
        // The picture was taken, so it reads as it did a moment ago.
        playedLink = levelLink(readLevelPicture(file).mapCells);
    }
    tellPage(file.c_str(), file == linkedLevelPath, refusal.c_str());
    refusal.clear();
}

// What the page calls (index.html): its file input and drops write the
// picture into the program's memory first.
extern "C" {

EMSCRIPTEN_KEEPALIVE void quentavoxOpenLevel(const char* path)
{
    if (openedLevels.size() < mostOpenedLevels) openedLevels.emplace_back(path);
}

// The text after "#level=" in the page's address. Returns "" when the level
// is on its way to the same checks as a dropped picture, otherwise why not.
EMSCRIPTEN_KEEPALIVE const char* quentavoxOpenLevelLink(const char* text)
{
    static std::string problem;
    const LevelLinkReading reading = readLevelLink(text);
    problem = reading.problem;
    if (!problem.empty()) return problem.c_str();
    const std::vector<unsigned char> picture = cellsToBmp(reading.cells);
    std::ofstream file(linkedLevelPath, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(picture.data()), std::streamsize(picture.size()));
    if (!file.flush()) {
        problem = "the level from the link cannot be written into the program's memory";
        return problem.c_str();
    }
    quentavoxOpenLevel(linkedLevelPath);
    return problem.c_str();
}

// The text after "#level=" of the level played.
EMSCRIPTEN_KEEPALIVE const char* quentavoxLevelLink()
{
    if (playedLink.empty()) playedLink = levelLink(checkLevelPicture(embedded::map().file, embedded::map().name).mapCells);
    return playedLink.c_str();
}

}  // extern "C"
