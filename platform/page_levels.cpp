// SPDX-License-Identifier: MIT
#include "platform/page_levels.h"

#include <emscripten.h>

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "assets/cells_to_bmp.h"
#include "assets/embedded_pictures.h"
#include "assets/level_link.h"
#include "assets/level_picture.h"
#include "core/platform.h"

namespace {

// Whether a level was taken: with no lines it was, otherwise they say why
// not. The page learns its name, and whether it came from a link, from
// where it came in, never from its name.
EM_JS(void, tellPage, (const char* name, bool fromLink, const char* refusal), {
    const detail = { file: UTF8ToString(name), fromLink: !!fromLink, refusal: UTF8ToString(refusal) };
    window.dispatchEvent(new CustomEvent("quentavoxlevel", { detail: detail }));
});

// What the lines of a level from a link call it.
constexpr std::string_view linkedLevelName = "the level link";
// A page that asks faster than the program runs has at most this many
// levels waiting; it hears of any more as refused.
constexpr std::size_t mostWaiting = 8;

class PageLevels {
public:
    void openFile(std::string path)
    {
        if (waiting.size() == mostWaiting) {
            const std::string refusal = path + ": not opened: " + full() + "\n";
            tellPage(path.c_str(), false, refusal.c_str());
            return;
        }
        waiting.emplace_back(std::move(path));
    }

    // The text after "#level=" in the page's address: "" when the level
    // waits to go to the same checks as an opened picture, otherwise why
    // not. The answer stays for the page to read until the next link.
    const std::string& openLink(std::string_view text)
    {
        LevelLinkReading reading = readLevelLink(text);
        linkProblem = std::move(reading.problem);
        if (linkProblem.empty() && waiting.size() == mostWaiting) {
            linkProblem = "the level link is not opened: " + full();
        }
        if (linkProblem.empty()) waiting.emplace_back(reading.cells);
        return linkProblem;
    }

    void open(FormEvents& form)
    {
        played = &form;
        for (const Waiting& level : waiting) {
            const auto* cells = std::get_if<MapCells>(&level);
            const std::string name = cells ? std::string(linkedLevelName) : std::get<std::string>(level);
            LevelPicture picture = cells ? checkLevelPicture(cellsToBmp(*cells), name) : readLevelPicture(name);
            const OpenedLevel opened = form.OpenLevel(std::move(picture), Platform::Refusal::InDialog);
            tellPage(name.c_str(), cells != nullptr, opened.refusal.c_str());
        }
        waiting.clear();
    }

    // The text after "#level=" of the level played, as edited: the form's
    // own cells, once the main loop has run.
    const std::string& linkOfPlayed()
    {
        const MapCells* cells = played ? played->LevelPlayed() : nullptr;
        playedLink = cells ? levelLink(*cells)
                           : levelLink(checkLevelPicture(embedded::map().file, embedded::map().name).mapCells);
        return playedLink;
    }

private:
    static std::string full() { return std::to_string(mostWaiting) + " levels are waiting to be opened already"; }

    // A picture the page wrote, by its name, or the cells of a link.
    using Waiting = std::variant<std::string, MapCells>;
    std::vector<Waiting> waiting;
    // The form whose level is played, and the link last made of it.
    const FormEvents* played = nullptr;
    std::string playedLink;
    std::string linkProblem;
};

// The page calls in with no handle of the program's, from before main()
// until the page goes: its levels live as long.
PageLevels levels;

}  // namespace

void openPageLevels(FormEvents& form) { levels.open(form); }

// What the page calls (page.js): it writes a picture into the program's
// memory before it names it here.
extern "C" {

EMSCRIPTEN_KEEPALIVE void quentavoxOpenLevel(const char* path) { levels.openFile(path); }

EMSCRIPTEN_KEEPALIVE const char* quentavoxOpenLevelLink(const char* text) { return levels.openLink(text).c_str(); }

EMSCRIPTEN_KEEPALIVE const char* quentavoxLevelLink() { return levels.linkOfPlayed().c_str(); }

}  // extern "C"
