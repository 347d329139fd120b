// SPDX-License-Identifier: MIT
// Writes the demo that `make bench` plays (bench/wall_walk.qvd): a walk on
// the built-in level through the places where walls fill the view, played by
// the program's own simulation from a fixed script of held keys, so that the
// same program always writes the same file. The same walk as the web page's
// walk link, "LEVEL&walk=WALK", goes to LINK (tests/fixtures/wall_walk.link),
// which the page's test plays.
//
//   make_demo DEMO LINK
//
// Most passes run one tick and every ninth two, as when a wake-up comes a
// little late; twice the mouse turns the view by a few degrees at once.

#include <cstdio>
#include <string>

#include "base/atomic_file.h"
#include "core/frmMain.h"
#include "core/headless_platform.h"
#include "sim/walk_link.h"

namespace {

using enum PlayerAction;

struct Step {
    Actions held;
    int ticks;
    std::int16_t turn = 0;  // at the step's first tick
};

Actions only(PlayerAction action) { return Actions().set(indexOf(action)); }

// From the start, facing down the picture: into the wall ahead and against
// it, a whole turn on the spot, along the wall into the corner, a glance
// either way with the mouse, back to the corridor by the start and down it
// to its end, sideways into a side room and a whole turn there, and back.
const Step route[] = {
    {only(forward), 330},  {only(turnRight), 180}, {only(turnRight), 45}, {only(forward), 220},
    {{}, 20, -30},         {{}, 20, 30},           {only(turnLeft), 90},  {only(forward), 137},
    {only(turnRight), 45}, {only(forward), 200},   {only(stepLeft), 86},  {only(turnLeft), 180},
    {only(stepRight), 86},
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_demo DEMO LINK\n");
        return 2;
    }
    const auto cannotWrite = [](const char* name, const std::string& problem) {
        std::fprintf(stderr, "make_demo: cannot write %s: %s\n", name, problem.c_str());
        return 1;
    };
    std::string problem;
    std::optional<PartFile> file = PartFile::create(argv[1], problem);
    if (!file) return cannotWrite(argv[1], problem);
    HeadlessPlatform headless;
    frmMain form(headless);
    form.SetUpGame();
    form.recording.emplace(demoFileOutput(std::move(*file), QUENTAVOX_VERSION));
    form.BeginWalks();
    int passes = 0;
    for (const Step& step : route) {
        std::int16_t turn = step.turn;
        for (int left = step.ticks; left > 0; ++passes) {
            const int ticks = passes % 9 == 8 && left >= 2 ? 2 : 1;
            holdActions(form.state, step.held);
            form.RunPass({ticks, step.held, std::exchange(turn, 0)});
            left -= ticks;
            // The program writes a block about once a second.
            if (passes % 111 == 110) form.FlushRecording();
        }
    }
    problem = form.recording->finish(form.state);
    if (!problem.empty()) return cannotWrite(argv[1], problem);
    const std::string link = levelAndWalkLink(form.recording->walk());
    problem = replaceFileWith(argv[2], std::span(reinterpret_cast<const unsigned char*>(link.data()), link.size()));
    if (!problem.empty()) return cannotWrite(argv[2], problem);
    const GameState& end = form.state;
    std::printf("%s: %d passes, %lld ticks, ending at x %.4f y %.4f angle %.0f\n", argv[1], passes,
                static_cast<long long>(end.ticksRun), double{end.playerX}, double{end.playerY}, double{end.playerAngle});
    return 0;
}
