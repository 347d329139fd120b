// SPDX-License-Identifier: MIT
// The real platform on SDL's dummy video driver: no display is needed, and
// events pushed onto SDL's queue arrive as they would from a desktop.

#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <utility>
#include <string_view>
#include <vector>

#include "gfx/surface.h"
#include "platform/sdl_platform.h"
#include "platform/fine_timer.h"
#include "platform/system_clock.h"
#include "input/key_codes.h"
#include "platform/view_scale.h"
#include "gfx/surface.h"
#include "tests/pixels.h"

namespace {

SDL_Window* platformWindow()
{
    SDL_Window* window = nullptr;
    for (Uint32 id = 1; id < 1000 && window == nullptr; ++id) window = SDL_GetWindowFromID(id);
    return window;
}

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
        // The dummy driver gives no window the keyboard focus, so the
        // platform's only window is looked up by id.
            window = platformWindow();
        ASSERT_NE(window, nullptr);
        platform.Show(form);
        platform.DoEvents(form);
        form.calls.clear();
    }

    void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }

    void pushKey(Uint32 type, SDL_Scancode scancode, SDL_Keycode sym, Uint16 modifiers = 0)
    {
        SDL_Event event{};
        event.key.type = type;
        event.key.windowID = SDL_GetWindowID(window);
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.scancode = scancode;
        event.key.keysym.sym = sym;
        event.key.keysym.mod = modifiers;
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
    std::erase(form.calls, Call{"Form_Resize"});
    EXPECT_EQ(form.calls, (std::vector<Call>{{"picMap_KeyDown", vk::tab},
                                             {"picMap_KeyDown", 'S'},
                                             {"picMap_KeyDown", vk::digit0 + 5},
                                             {"picRender_KeyDown", vk::digit0 + 9},
                                             {"picMap_MouseDown", vbRightButton}}));
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

TEST(ViewScale, DefaultsFromTheDpiAndFromTheDisplayForFullScreen)
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
}

namespace {

// The window's pixels and the form's size after the first two frames of a
// test pattern, on the dummy driver, in a window of the given size (0: as
// created).
struct Shown {
    std::int32_t scale = 0;
    ClientSize client;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y * width + x)] & 0xFFFFFF; }
};

Shown showPattern(const WindowOptions& options, int width, int height)
{
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    SdlPlatform platform(options);
    SDL_Window* window = platformWindow();
    if (window == nullptr) throw std::runtime_error("the platform made no window");
    RecordingForm form;
    if (width > 0) SDL_SetWindowSize(window, width, height);
    platform.Show(form);
    platform.DoEvents(form);

    // The second frame shows only the box, over what the first left. The
    // box sticks out of the smaller forms.
    Surface frame(storedViewWidth, storedViewHeight, storedRenderBoxBorder);
    const DeviceContext dc = frame.hDC();
    for (int y = 0; y < dc.height; ++y) {
        for (int x = 0; x < dc.width; ++x) pixel(dc, x, y) = std::uint32_t(x * 7919 + y * 104729) & 0xFFFFFF;
    }
    frame.Left = 100;
    frame.Top = 12;
    platform.Present(frame);
    platform.Present(frame);

    const SDL_Surface* screen = SDL_GetWindowSurface(window);
    Shown shown{platform.Scale(), platform.ClientArea(), screen->w, screen->h, {}};
    for (int y = 0; y < screen->h; ++y) {
        const auto* row = static_cast<const std::uint32_t*>(screen->pixels) + y * screen->pitch / 4;
        shown.pixels.insert(shown.pixels.end(), row, row + screen->w);
    }
    return shown;
}

}  // namespace

TEST(SdlPlatformScale, EachFormPixelIsABlockAndTheStripBeyondTheLastWholeBlockIsFace)
{
    // Under the dummy driver the display tells no dpi: the default is 1.
    EXPECT_EQ(showPattern({}, 0, 0).scale, 1);
    for (std::int32_t n = 2; n <= largestScale; ++n) {
        // As created, the 339 x 259 form; then 1000 x 700, no whole number
        // of blocks at most scales, rounded down to a form of whole blocks.
        for (const auto& [width, height] : {std::pair{339 * n, 259 * n}, std::pair{1000, 700}}) {
            const Shown scaled = showPattern({.scale = n}, width, height);
            ASSERT_EQ(scaled.width, width);
            EXPECT_EQ(scaled.client.ScaleWidth, width / n);
            EXPECT_EQ(scaled.client.ScaleHeight, height / n);
            const Shown plain = showPattern({}, width / n, height / n);
            long wrong = 0;
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    const bool inStrip = x >= width / n * n || y >= height / n * n;
                    wrong += scaled.at(x, y) != (inStrip ? plain.at(0, 0) : plain.at(x / n, y / n));
                }
            }
            EXPECT_EQ(wrong, 0) << width << " x " << height << " at scale " << n;
        }
    }
}

TEST(SdlPlatformScale, AScaleOutOfRangeIsARunTimeError)
{
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    EXPECT_THROW(SdlPlatform({.scale = 9}), RuntimeError);
    EXPECT_THROW(SdlPlatform({.scale = -1}), RuntimeError);
}

TEST_F(SdlPlatformTest, TheFaceAroundTheFrameIsRepaintedWhenExposedWhenTheBoxMovesOrWhenShownAgain)
{
    // A corner of the window face, covered and uncovered: only an expose
    // tells the platform that more than the frame needs painting again. Then
    // the box moves down, and its old top-left corner must become face. A
    // hidden window is sent nothing, and is painted whole once shown.
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

    SDL_HideWindow(window);
    SDL_FillRect(screen, nullptr, ~face);
    platform.Present(frame);
    EXPECT_EQ(at(0, 0), ~face);
    EXPECT_EQ(at(10, 22), ~face);
    SDL_ShowWindow(window);
    platform.Present(frame);
    EXPECT_EQ(at(0, 0), face);
    EXPECT_NE(at(10, 22), ~face);
}

// The wait sleeps to a little before the turn-over: it must still not return
// before it. A reading already reached returns at once.
TEST(FineTimer, TheWaitEndsOnTheReadingAskedFor)
{
    FineTimer timer;
    for (const std::int64_t ahead : {1, 2, 3, -5}) {
        const std::int64_t awaited = millisecondsSinceBoot() + ahead;
        timer.waitForReading(awaited);
        EXPECT_GE(millisecondsSinceBoot(), awaited) << ahead;
    }
    // However far off the reading and whatever the margin, nothing overflows.
    timer.waitForReading(std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max());
    timer.waitForReading(millisecondsSinceBoot() + 1, std::numeric_limits<std::int64_t>::min());
}
