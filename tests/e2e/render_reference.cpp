// SPDX-License-Identifier: MIT
// Tells whether a screenshot of the window shows a view that the program's
// own renderer draws, so the end-to-end tests can check what the real window
// shows against what it should show.
//
//   render_reference SHOT.bmp LEFT TOP [KEY:TICKS...]
//       compares the render box whose outer corner is at (LEFT, TOP) in SHOT
//       with the start view, or with the views a user sees while holding
//       keys from the start: each KEY, one of the keys that move the player
//       named as xdotool names them (Up, Down, Left, Right, comma, period),
//       is held alone for TICKS ticks, one after another, and the view is
//       compared before the last hold's first tick and after each of its
//       ticks. Prints the first
//       match ("N ticks: ...") and exits 0; exits 1 if none matches and 2
//       on bad arguments. A SHOT that is no readable picture ends it with
//       the picture loader's run-time error.
//   render_reference --window SHOT.bmp LEFT TOP [KEY:TICKS...]
//       compares the whole of SHOT, a client area, with the window as the
//       program paints it: its face and the box's border as well as the view.
//   render_reference --level LEVEL.bmp ...
//       draws the views in the level of that picture, as the program plays
//       it when given the picture; it must keep the level's rules.

#include <SDL.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "assets/level_picture.h"
#include "base/file_bytes.h"
#include "gfx/client_area.h"
#include "input/key_codes.h"
#include "tests/pixels.h"
#include "tests/started_form.h"

namespace {

struct Hold {
    vk::Code key = 0;
    int ticks = 0;
};

// KEY:TICKS, nothing when KEY is none of the six keys or TICKS no count.
std::optional<Hold> readHold(std::string_view argument)
{
    static const std::map<std::string_view, vk::Code> keys{{"Up", vk::upArrow},       {"Down", vk::downArrow},
                                                           {"Left", vk::leftArrow},   {"Right", vk::rightArrow},
                                                           {"comma", vk::comma},      {"period", vk::fullStop}};
    const std::size_t colon = argument.find(':');
    const auto key = keys.find(argument.substr(0, colon));
    Hold hold;
    const char* end = argument.data() + argument.size();
    if (colon == std::string_view::npos || key == keys.end() ||
        std::from_chars(argument.data() + colon + 1, end, hold.ticks) != std::from_chars_result{end, {}} ||
        hold.ticks < 0 || hold.ticks > 1000000) {
        return std::nullopt;
    }
    hold.key = key->second;
    return hold;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string_view> arguments(argv + 1, argv + argc);
    bool wholeWindow = false;
    std::string level;
    while (!arguments.empty() && (arguments[0] == "--window" || (arguments[0] == "--level" && arguments.size() > 1))) {
        wholeWindow = wholeWindow || arguments[0] == "--window";
        if (arguments[0] == "--level") level = arguments[1];
        arguments.erase(arguments.begin(), arguments.begin() + (arguments[0] == "--level" ? 2 : 1));
    }
    std::vector<Hold> holds;
    for (std::size_t i = 3; i < arguments.size(); ++i) {
        if (const auto hold = readHold(arguments[i])) holds.push_back(*hold);
    }
    if (arguments.size() < 3 || holds.size() != arguments.size() - 3) {
        std::fprintf(stderr,
                     "usage: render_reference [--window] [--level LEVEL.bmp] SHOT.bmp LEFT TOP [KEY:TICKS...]\n");
        return 2;
    }
    // A file that cannot be read is no picture either.
    const std::string shotName(arguments[0]);
    const Surface shot = Surface::fromBmp(readFileBytes(shotName).value_or(std::vector<unsigned char>{}), shotName);

    StartedForm program;
    frmMain& form = program.form;
    if (!level.empty() && !form.OpenLevel(readLevelPicture(level), Platform::Refusal::OnStderr)) {
        std::fputs(program.platform.refusals.back().lines.c_str(), stderr);
        return 2;
    }
    // The box where the shot shows it.
    form.picRender.Left = static_cast<float>(std::atoi(std::string(arguments[1]).c_str()));
    form.picRender.Top = static_cast<float>(std::atoi(std::string(arguments[2]).c_str()));
    const SDL_Rect inside = boxPlace(form.picRender).inside;
    const DeviceContext view = form.picRender.hDC();
    const DeviceContext whole = shot.hDC();
    if (inside.x < 0 || inside.y < 0 || inside.x + view.width > whole.width || inside.y + view.height > whole.height) {
        std::fprintf(stderr, "the render box at %.0f, %.0f does not fit in %s\n", double{form.picRender.Left},
                     double{form.picRender.Top}, shotName.c_str());
        return 2;
    }
    const DeviceContext box{whole.pixels + inside.y * whole.pitch + inside.x, view.width, view.height, whole.pitch};
    // The window as the platform paints it, at the size of the shot.
    const Surface window(whole.width, whole.height);
    const auto differing = [&] {
        if (!wholeWindow) return differingPixels(view, box);
        composeClientArea(window.image(), form.picRender, true);
        return differingPixels(window.hDC(), whole);
    };

    const auto holdOnly = [&](int key) {
        form.state.keyState.fill(falseFlag);
        form.state.keyState[static_cast<std::size_t>(key)] = trueFlag;
    };
    const Hold scanned = holds.empty() ? Hold{} : holds.back();
    for (std::size_t i = 0; i + 1 < holds.size(); ++i) {
        holdOnly(holds[i].key);
        for (int tick = 0; tick < holds[i].ticks; ++tick) form.GameCode();
    }
    holdOnly(scanned.key);
    long closest = -1;
    for (int tick = 0; tick <= scanned.ticks; ++tick) {
        if (tick > 0) form.GameCode();
        form.Raycast(form.picRender);
        const long differs = differing();
        if (closest < 0 || differs < closest) closest = differs;
        if (differs == 0) {
            std::printf("%d ticks: x %.4f y %.4f angle %.0f\n", tick, double{form.state.playerX},
                        double{form.state.playerY}, double{form.state.playerAngle});
            return 0;
        }
    }
    std::printf("no view matches within %d ticks; the closest differs in %ld pixels\n", scanned.ticks, closest);
    return 1;
}
