// Renders frames off screen with the program's own code, so the end-to-end
// tests can check what the real window shows against what it should show.
//
//   render_reference OUT.bmp [ANGLE X Y]
//       writes the 316 x 236 frame seen from (X, Y) facing ANGLE
//       (default: the start position, 2.5 2.5 facing 0).
//   render_reference --match SHOT.bmp LEFT TOP HOLDS MAXTICKS
//       compares the 316 x 236 area at (LEFT, TOP) of a window screenshot
//       with the frames a user sees while holding keys from the start.
//       HOLDS lists virtual-key codes held one after another, each but the
//       last with its number of ticks ("38:120,39" walks 120 ticks, then
//       turns); the last key is held for 0..MAXTICKS ticks, and the first
//       of those ticks whose frame matches exactly is printed.

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/started_form.h"

namespace {

struct FreeSurface {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, FreeSurface>;

struct StartedProgram : StartedForm {
    SDL_Surface* render()
    {
        form.Raycast(form.picRender);
        return form.picRender.image();
    }
};

std::uint32_t pixelAt(const SDL_Surface* surface, int x, int y)
{
    const auto* row = static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch;
    return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFFu;
}

// Number of pixels of `frame` that differ from the same-sized area of `shot`
// whose top-left corner is (left, top).
long differingPixels(const SDL_Surface* shot, int left, int top, const SDL_Surface* frame)
{
    long count = 0;
    for (int y = 0; y < frame->h; ++y) {
        for (int x = 0; x < frame->w; ++x) {
            if (pixelAt(shot, left + x, top + y) != pixelAt(frame, x, y)) ++count;
        }
    }
    return count;
}

int writeFrame(int argc, char** argv)
{
    StartedProgram program;
    if (argc == 5) {
        program.place(std::strtof(argv[3], nullptr), std::strtof(argv[4], nullptr),
                      std::strtof(argv[2], nullptr));
    }
    if (SDL_SaveBMP(program.render(), argv[1]) != 0) {
        std::fprintf(stderr, "cannot write %s: %s\n", argv[1], SDL_GetError());
        return 2;
    }
    return 0;
}

// Parses "38:120,39" into {{38, 120}, {39, -1}}: -1 marks the scanned key.
std::vector<std::pair<int, int>> parseHolds(const std::string& text)
{
    std::vector<std::pair<int, int>> holds;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        const std::string item = text.substr(start, end - start);
        const std::size_t colon = item.find(':');
        const int key = std::atoi(item.substr(0, colon).c_str());
        const int ticks = colon == std::string::npos ? -1 : std::atoi(item.substr(colon + 1).c_str());
        if (key < 0 || key > 255) return {};
        holds.emplace_back(key, ticks);
        start = end + 1;
    }
    if (holds.empty() || holds.back().second != -1) return {};
    return holds;
}

int matchHeldKeys(char** argv)
{
    SurfacePtr loaded(SDL_LoadBMP(argv[2]));
    if (!loaded) {
        std::fprintf(stderr, "cannot read %s: %s\n", argv[2], SDL_GetError());
        return 2;
    }
    SurfacePtr shot(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_XRGB8888, 0));
    const int left = std::atoi(argv[3]);
    const int top = std::atoi(argv[4]);
    const auto holds = parseHolds(argv[5]);
    const int maxTicks = std::atoi(argv[6]);

    StartedProgram program;
    GameState& state = program.form.state;
    const SDL_Surface* frame = program.form.picRender.image();
    if (!shot || holds.empty() || left < 0 || top < 0 || left + frame->w > shot->w ||
        top + frame->h > shot->h) {
        std::fprintf(stderr, "bad arguments, or the screenshot is too small\n");
        return 2;
    }

    // Keys are held one at a time, as the tests press them.
    for (const auto& [key, ticks] : holds) {
        state.keyState.fill(False);
        state.keyState[static_cast<std::size_t>(key)] = True;
        for (int tick = 0; tick < ticks; ++tick) program.form.GameCode();
    }

    long closest = std::numeric_limits<long>::max();
    int closestTick = 0;
    for (int tick = 0; tick <= maxTicks; ++tick) {
        const long differing = differingPixels(shot.get(), left, top, program.render());
        if (differing == 0) {
            std::printf("%d ticks: x %.4f y %.4f angle %.0f\n", tick, double{state.playerX},
                        double{state.playerY}, double{state.playerAngle});
            return 0;
        }
        if (differing < closest) {
            closest = differing;
            closestTick = tick;
        }
        program.form.GameCode();
    }
    std::printf("no match in %d ticks; closest is tick %d with %ld differing pixels\n", maxTicks,
                closestTick, closest);
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 7 && std::string(argv[1]) == "--match") return matchHeldKeys(argv);
    if (argc == 2 || argc == 5) return writeFrame(argc, argv);
    std::fprintf(stderr,
                 "usage: %s OUT.bmp [ANGLE X Y]\n"
                 "       %s --match SHOT.bmp LEFT TOP HOLDS MAXTICKS\n",
                 argv[0], argv[0]);
    return 2;
}
