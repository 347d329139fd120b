// SPDX-License-Identifier: MIT
// The real platform on SDL's dummy video driver: no display is needed, and
// events pushed onto SDL's queue arrive as they would from a desktop.

#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>
#include <string_view>
#include <vector>

#include "gfx/surface.h"
#include "input/key_codes.h"
#include "platform/fine_timer.h"
#include "platform/sdl_platform.h"
#include "platform/system_clock.h"
#include "platform/view_scale.h"

namespace {

// The dummy driver gives no window the keyboard focus, so the platform's
// only window is looked up by id.
SDL_Window* platformWindow()
{
    SDL_Window* window = nullptr;
    for (Uint32 id = 1; id < 1000 && window == nullptr; ++id) window = SDL_GetWindowFromID(id);
    return window;
}

// Each handler called, with the key code for the key handlers.
struct Call {
    std::string_view handler;
    std::int16_t code = 0;
    bool operator==(const Call&) const = default;
};

class RecordingForm final : public FormEvents {
public:
    std::vector<Call> calls;

    void Form_Resize() override {}
    void picRender_KeyDown(std::int16_t& code, std::int16_t&) override { calls.push_back({"KeyDown", code}); }
    void picRender_KeyUp(std::int16_t& code, std::int16_t&) override { calls.push_back({"KeyUp", code}); }
    void Form_QueryUnload(std::int16_t&, std::int16_t&) override { calls.push_back({"Form_QueryUnload"}); }
    // The end-to-end drop test drops files on the real window.
    void Form_OLEDragDrop(std::string_view) override {}
    OpenedLevel OpenLevel(LevelPicture, Platform::Refusal) override { return {}; }
    void picMap_KeyDown(std::int16_t& code, std::int16_t&) override { calls.push_back({"picMap_KeyDown", code}); }
    void picMap_MouseDown(std::int16_t& button, std::int16_t&, float, float) override
    {
        calls.push_back({"picMap_MouseDown", button});
    }
};

class SdlPlatformTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(window, nullptr);
        platform.Show(form);
        platform.DoEvents(form);
        form.calls.clear();
    }

    void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }

    void pushKey(Uint32 type, SDL_Scancode scancode, SDL_Keycode sym, Uint16 modifiers = 0)
    {
        SDL_Event event{.type = type};
        event.key.windowID = SDL_GetWindowID(window);
        event.key.keysym.scancode = scancode;
        event.key.keysym.sym = sym;
        event.key.keysym.mod = modifiers;
        push(event);
    }

    void pushWindowEvent(SDL_WindowEventID what)
    {
        SDL_Event event{.type = SDL_WINDOWEVENT};
        event.window.windowID = SDL_GetWindowID(window);
        event.window.event = what;
        push(event);
    }

    // Chooses the dummy driver before the platform starts SDL.
    int dummyVideo = SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    SdlPlatform platform;
    SDL_Window* window = platformWindow();
    RecordingForm form;
};

}  // namespace

// Keys reach the render surface's handlers as held codes; losing the focus
// lets go of them once.
TEST_F(SdlPlatformTest, KeysReachTheKeyHandlersUntilTheFocusGoes)
{
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_UP, SDLK_UP);
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_PERIOD, SDLK_PERIOD);
    pushKey(SDL_KEYUP, SDL_SCANCODE_UP, SDLK_UP);
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_AC_BACK, SDLK_AC_BACK);  // has no code: ignored
    pushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    pushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    platform.DoEvents(form);
    EXPECT_EQ(form.calls, (std::vector<Call>{{"KeyDown", vk::upArrow},
                                             {"KeyDown", vk::fullStop},
                                             {"KeyUp", vk::upArrow},
                                             {"KeyUp", vk::fullStop}}));
}

// With a map panel, Tab, the digits of the kinds and every Ctrl chord go to
// the panel and never to the held keys (so no binding walks with Ctrl+S);
// a button pressed on the panel's box goes to the panel.
TEST_F(SdlPlatformTest, ThePanelsKeysAndMouseGoToThePanel)
{
    Surface panel(8, 8);
    panel.Left = panel.Top = 10;
    platform.ShowPanel(&panel, {339, 259});
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_TAB, SDLK_TAB);
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_S, SDLK_s, KMOD_LCTRL);
    pushKey(SDL_KEYUP, SDL_SCANCODE_S, SDLK_s);
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_5, SDLK_5);
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_9, SDLK_9);
    for (const int x : {5, 12}) {
        SDL_Event press{};
        press.button = {SDL_MOUSEBUTTONDOWN, 0, SDL_GetWindowID(window), 0, SDL_BUTTON_RIGHT, SDL_PRESSED, 1, 0, x, 12};
        push(press);
    }
    platform.DoEvents(form);
    EXPECT_EQ(form.calls, (std::vector<Call>{{"picMap_KeyDown", vk::tab},
                                             {"picMap_KeyDown", 'S'},
                                             {"picMap_KeyDown", vk::digit0 + 5},
                                             {"KeyDown", vk::digit0 + 9},
                                             {"picMap_MouseDown", vbRightButton}}));
}

// A controller plugged in while the program runs, SDL's virtual one: its
// stick, D-pad and shoulder buttons hold codes as the arrows, comma and full
// stop do, until it is unplugged. SDL lets go of a real pad's buttons as it
// goes, but the program does not count on that. The dummy driver gives no
// window the focus, which SDL otherwise wants before it passes on a pad's
// presses.
TEST_F(SdlPlatformTest, AControllerPluggedInHoldsTheArrowsCodesUntilUnplugged)
{
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    SDL_VirtualJoystickDesc description{};
    description.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    description.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    description.naxes = SDL_CONTROLLER_AXIS_MAX;
    description.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    const int device = SDL_JoystickAttachVirtualEx(&description);
    SDL_Joystick* pad = SDL_JoystickOpen(device);
    ASSERT_NE(pad, nullptr) << SDL_GetError();
    platform.DoEvents(form);
    const auto play = [&](auto set, int what, int value) {
        ASSERT_EQ(set(pad, what, value), 0) << SDL_GetError();
        platform.DoEvents(form);
    };
    play(SDL_JoystickSetVirtualAxis, SDL_CONTROLLER_AXIS_LEFTY, -32768);
    play(SDL_JoystickSetVirtualButton, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 1);
    play(SDL_JoystickSetVirtualButton, SDL_CONTROLLER_BUTTON_LEFTSHOULDER, 1);
    play(SDL_JoystickSetVirtualAxis, SDL_CONTROLLER_AXIS_LEFTY, -3000);
    play(SDL_JoystickSetVirtualButton, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 0);
    SDL_Event removed{.type = SDL_CONTROLLERDEVICEREMOVED};
    removed.cdevice.which = SDL_JoystickInstanceID(pad);
    push(removed);
    platform.DoEvents(form);
    EXPECT_EQ(form.calls, (std::vector<Call>{{"KeyDown", vk::upArrow},
                                             {"KeyDown", vk::rightArrow},
                                             {"KeyDown", vk::comma},
                                             {"KeyUp", vk::upArrow},
                                             {"KeyUp", vk::rightArrow},
                                             {"KeyUp", vk::comma}}));
    SDL_JoystickClose(pad);
    SDL_JoystickDetachVirtual(device);
}

// A window manager's close button sends both; SIGINT and SIGTERM, which SDL
// turns into a quit event, only the first. (A resize is the scaled
// end-to-end test's, in a real window.)
TEST_F(SdlPlatformTest, BothCloseRequestsReachTheirHandler)
{
    push(SDL_Event{.type = SDL_QUIT});
    pushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    platform.DoEvents(form);
    EXPECT_EQ(form.calls, (std::vector<Call>{{"Form_QueryUnload"}, {"Form_QueryUnload"}}));
}

// A corner of the window face, covered and uncovered: only an expose tells
// the platform that more than the frame needs painting again. Then the box
// moves down, and its old top-left corner must become face. A hidden window
// is sent nothing, and is painted whole once shown.
TEST_F(SdlPlatformTest, TheFaceIsRepaintedWhenExposedWhenTheBoxMovesOrWhenShownAgain)
{
    Surface frame(4, 4, 2);
    frame.Left = frame.Top = 8;
    SDL_Surface* screen = SDL_GetWindowSurface(window);
    const auto at = [screen](int x, int y) { return static_cast<const Uint32*>(screen->pixels)[y * screen->pitch / 4 + x]; };
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

    SDL_HideWindow(window);
    SDL_FillRect(screen, nullptr, ~face);
    platform.Present(frame);
    EXPECT_EQ(at(0, 0), ~face);
    SDL_ShowWindow(window);
    platform.Present(frame);
    EXPECT_EQ(at(0, 0), face);
}

TEST(ViewScale, DefaultsFromTheDpiAndFromTheDisplayForFullScreenAndIsOneToEight)
{
    // dpi / 96 rounds half-way cases to even, as every rounding here does.
    const float dpis[] = {0, -5, NAN, 143, 144, 240, 241, 1e30f};
    const std::int32_t fromDpi[] = {1, 1, 1, 1, 2, 2, 3, 8};
    for (std::size_t i = 0; i < std::size(dpis); ++i) EXPECT_EQ(scaleForDpi(dpis[i]), fromDpi[i]) << dpis[i];
    // The largest scale at which the 320 x 240 box fits, even above 8.
    const int displays[][3] = {{1280, 1024, 4}, {1920, 1080, 4}, {3840, 2160, 9}, {639, 480, 1}, {300, 200, 1}};
    for (const auto& [width, height, scale] : displays) {
        EXPECT_EQ(scaleToFit(width, height, storedRenderBoxWidth, storedRenderBoxHeight), scale) << width;
    }
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    EXPECT_THROW(SdlPlatform({.scale = 9}), RuntimeError);
    EXPECT_THROW(SdlPlatform({.scale = -1}), RuntimeError);
}

// The wait sleeps to a little before the turn-over: it must still not return
// before it. A wait that returned early would show only when its sleep ended
// on time, which on a busy machine few do, so there are many. A reading
// already reached returns at once.
TEST(FineTimer, TheWaitEndsOnTheReadingAskedFor)
{
    FineTimer timer;
    for (std::int64_t wait = 0; wait < 40; ++wait) {
        const std::int64_t ahead = wait == 0 ? -5 : 1 + wait % 3;
        const std::int64_t awaited = millisecondsSinceBoot() + ahead;
        timer.waitForReading(awaited);
        EXPECT_GE(millisecondsSinceBoot(), awaited) << ahead;
    }
    // However far off the reading and whatever the margin, nothing overflows.
    timer.waitForReading(std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max());
    timer.waitForReading(millisecondsSinceBoot() + 1, std::numeric_limits<std::int64_t>::min());
}
