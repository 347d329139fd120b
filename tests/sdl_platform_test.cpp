// SPDX-License-Identifier: MIT
// The real platform on SDL's dummy video driver: no display is needed, and
// events pushed onto SDL's queue arrive as they would from a desktop.

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "gfx/surface.h"
#include "platform/sdl_platform.h"
#include "platform/system_clock.h"
#include "input/key_codes.h"

namespace {

struct Call {
    std::string_view handler;
    std::int16_t code = 0;
    bool operator==(const Call&) const = default;
};

class RecordingForm final : public FormEvents {
public:
    std::vector<Call> calls;

    void Form_Resize() override { calls.push_back({"Form_Resize"}); }
    void picRender_KeyDown(std::int16_t& code, std::int16_t&) override { calls.push_back({"picRender_KeyDown", code}); }
    void picRender_KeyUp(std::int16_t& code, std::int16_t&) override { calls.push_back({"picRender_KeyUp", code}); }
    void Form_QueryUnload(std::int16_t&, std::int16_t&) override { calls.push_back({"Form_QueryUnload"}); }
};

class SdlPlatformTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The dummy driver gives no window the keyboard focus, so the
        // platform's only window is looked up by id.
        for (Uint32 id = 1; id < 1000 && window == nullptr; ++id) window = SDL_GetWindowFromID(id);
        ASSERT_NE(window, nullptr);
        platform.Show(form);
        platform.DoEvents(form);
        form.calls.clear();
    }

    void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }

    void pushKey(Uint32 type, SDL_Scancode scancode, SDL_Keycode sym)
    {
        SDL_Event event{};
        event.key.type = type;
        event.key.windowID = SDL_GetWindowID(window);
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.scancode = scancode;
        event.key.keysym.sym = sym;
        push(event);
    }

    void pushWindowEvent(SDL_WindowEventID what)
    {
        SDL_Event event{};
        event.window.type = SDL_WINDOWEVENT;
        event.window.windowID = SDL_GetWindowID(window);
        event.window.event = what;
        push(event);
    }

    // Chooses the dummy driver before the platform starts SDL.
    int dummyVideo = SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    SdlPlatform platform;
    SDL_Window* window = nullptr;
    RecordingForm form;
};

}  // namespace

TEST_F(SdlPlatformTest, KeysReachTheRenderSurfaceHandlersWithTheirCodes)
{
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_UP, SDLK_UP);
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_PERIOD, SDLK_PERIOD);
    pushKey(SDL_KEYUP, SDL_SCANCODE_UP, SDLK_UP);
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_AC_BACK, SDLK_AC_BACK);  // has no code: ignored
    platform.DoEvents(form);
    EXPECT_EQ(form.calls, (std::vector<Call>{{"picRender_KeyDown", vk::upArrow},
                                             {"picRender_KeyDown", vk::fullStop},
                                             {"picRender_KeyUp", vk::upArrow}}));
}

TEST_F(SdlPlatformTest, LosingTheFocusReleasesHeldKeysOnce)
{
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_UP, SDLK_UP);
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_LEFT, SDLK_LEFT);
    pushKey(SDL_KEYUP, SDL_SCANCODE_LEFT, SDLK_LEFT);
    platform.DoEvents(form);
    form.calls.clear();

    pushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    pushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    platform.DoEvents(form);
    EXPECT_EQ(form.calls, (std::vector<Call>{{"picRender_KeyUp", vk::upArrow}}));
}

TEST_F(SdlPlatformTest, CloseRequestsAndResizingReachTheirHandlers)
{
    push(SDL_Event{.type = SDL_QUIT});
    pushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    SDL_SetWindowSize(window, 400, 300);
    platform.DoEvents(form);
    EXPECT_EQ(form.calls, (std::vector<Call>{{"Form_QueryUnload"}, {"Form_QueryUnload"}, {"Form_Resize"}}));
    EXPECT_EQ(platform.ClientArea().ScaleWidth, 400);
    EXPECT_EQ(platform.ClientArea().ScaleHeight, 300);
}

TEST_F(SdlPlatformTest, TheFaceAroundTheFrameIsRepaintedWhenExposedOrWhenTheBoxMoves)
{
    // A corner of the window face, covered and uncovered: only an expose
    // tells the platform that more than the frame needs painting again. Then
    // the box moves down, and its old top-left corner must become face.
    Surface frame(4, 4, 2);
    frame.Left = frame.Top = 8;
    SDL_Surface* screen = SDL_GetWindowSurface(window);
    ASSERT_NE(screen, nullptr);
    const auto at = [screen](int x, int y) {
        return static_cast<const Uint32*>(screen->pixels)[y * screen->pitch / 4 + x];
    };
    platform.Present(frame);
    const Uint32 face = at(0, 0);
    SDL_FillRect(screen, nullptr, ~face);
    platform.Present(frame);
    EXPECT_NE(at(0, 0), face);
    pushWindowEvent(SDL_WINDOWEVENT_EXPOSED);
    platform.DoEvents(form);
    platform.Present(frame);
    EXPECT_EQ(at(0, 0), face);
    EXPECT_NE(at(8, 8), face);
    frame.Top = 20;
    platform.Present(frame);
    EXPECT_EQ(at(8, 8), face);
}

TEST(SystemClock, CountsMillisecondsOfTheSteadyClock)
{
    using namespace std::chrono;
    const auto now = [] { return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count(); };
    const std::int64_t before = now();
    const std::int64_t reading = millisecondsSinceBoot();
    EXPECT_GE(reading, before);
    EXPECT_LE(reading, now());
}
