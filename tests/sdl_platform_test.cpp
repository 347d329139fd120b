// SPDX-License-Identifier: MIT
// The real platform on SDL's dummy video driver: no display is needed, and
// events pushed onto SDL's queue arrive as they would from a desktop.

#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "core/sdl_platform.h"
#include "input/key_codes.h"
#include "platform/view_scale.h"
#include "render/surface.h"
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

TEST(ViewScale, DefaultScaleIsTheDpiOver96RoundedAsEveryRoundingIs)
{
    // Half-way cases go to the even scale; a display without a dpi and an
    // absurd one stay in range.
    const struct {
        float dpi;
        std::int32_t scale;
    } cases[] = {{0, 1},   {-5, 1},   {NAN, 1},   {72, 1},   {96, 1},   {143, 1}, {144, 2},
                 {192, 2}, {240, 2},  {241, 3},   {288, 3},  {48, 1},   {1e30f, 8}};
    for (const auto& c : cases) EXPECT_EQ(scaleForDpi(c.dpi), c.scale) << c.dpi;
}

TEST(ViewScale, FullScreenTakesTheLargestScaleAtWhichTheRenderBoxFits)
{
    const struct {
        std::int32_t width, height, scale;
    } cases[] = {{1280, 1024, 4}, {1920, 1080, 4}, {2560, 1440, 6}, {3840, 2160, 9},
                 {1024, 768, 3},  {640, 480, 2},   {639, 480, 1},   {300, 200, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(scaleToFit(c.width, c.height, storedRenderBoxWidth, storedRenderBoxHeight), c.scale)
            << c.width << " x " << c.height;
    }
}

namespace {

// The window's pixels after one frame of a test pattern is shown in it, on
// the dummy driver, with the render box at (left, top) in form pixels.
struct Shown {
    std::int32_t scale = 0;
    ClientSize client;
    std::vector<std::uint32_t> pixels;
    int width = 0;
    int height = 0;
    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};

Shown showPattern(const WindowOptions& options, int width, int height, float left, float top)
{
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    SdlPlatform platform(options);
    SDL_Window* window = platformWindow();
    if (window == nullptr) throw std::runtime_error("the platform made no window");
    RecordingForm form;
    if (width > 0) SDL_SetWindowSize(window, width, height);
    platform.Show(form);
    platform.DoEvents(form);

    Surface frame(316, 236, 2);
    const DeviceContext dc = frame.hDC();
    for (int y = 0; y < dc.height; ++y) {
        for (int x = 0; x < dc.width; ++x) pixel(dc, x, y) = std::uint32_t(x * 7919 + y * 104729) & 0xFFFFFF;
    }
    frame.Left = left;
    frame.Top = top;
    platform.Present(frame);
    // A second frame shows only the box, over what the first left.
    platform.Present(frame);

    const SDL_Surface* screen = SDL_GetWindowSurface(window);
    Shown shown{platform.Scale(), platform.ClientArea(), {}, screen->w, screen->h};
    for (int y = 0; y < screen->h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const Uint8*>(screen->pixels) +
                                                                 std::ptrdiff_t(y) * screen->pitch);
        shown.pixels.insert(shown.pixels.end(), row, row + screen->w);
    }
    return shown;
}

// Every pixel of `scaled` is the pixel of `plain` its block stands for, and
// the strip beyond the last whole block has the face's colour.
void expectEnlarged(const Shown& plain, const Shown& scaled)
{
    const int n = scaled.scale;
    ASSERT_EQ(scaled.width / n, plain.width);
    ASSERT_EQ(scaled.height / n, plain.height);
    const std::uint32_t face = plain.at(0, 0) & 0xFFFFFF;
    long wrong = 0;
    for (int y = 0; y < scaled.height; ++y) {
        for (int x = 0; x < scaled.width; ++x) {
            const bool inStrip = x >= plain.width * n || y >= plain.height * n;
            const std::uint32_t expected = inStrip ? face : plain.at(x / n, y / n) & 0xFFFFFF;
            wrong += (scaled.at(x, y) & 0xFFFFFF) != expected;
        }
    }
    EXPECT_EQ(wrong, 0) << "of " << scaled.width << " x " << scaled.height << " at scale " << n;
}

}  // namespace

TEST(SdlPlatformScale, EachFormPixelIsShownAsABlockAndTheFormKeepsItsSize)
{
    // Under the dummy driver the display tells no dpi: the default is 1.
    const Shown plain = showPattern({}, 0, 0, 12, 12);
    EXPECT_EQ(plain.scale, 1);
    EXPECT_EQ(plain.width, 339);
    for (std::int32_t n = 2; n <= largestScale; ++n) {
        const Shown scaled = showPattern({.scale = n}, 0, 0, 12, 12);
        EXPECT_EQ(scaled.width, 339 * n);
        EXPECT_EQ(scaled.height, 259 * n);
        EXPECT_EQ(scaled.client.ScaleWidth, 339);
        EXPECT_EQ(scaled.client.ScaleHeight, 259);
        expectEnlarged(plain, scaled);
    }
}

TEST(SdlPlatformScale, AResizedWindowHoldsTheFormsWholeBlocksAndFaceBeyond)
{
    // 1000 x 700 at scale 3: a 333 x 233 form and a one-pixel strip. The box
    // partly outside the form is cut off alike at both scales.
    const Shown plain = showPattern({}, 333, 233, 100, 40);
    const Shown scaled = showPattern({.scale = 3}, 1000, 700, 100, 40);
    EXPECT_EQ(scaled.client.ScaleWidth, 333);
    EXPECT_EQ(scaled.client.ScaleHeight, 233);
    expectEnlarged(plain, scaled);
}

TEST(SdlPlatformScale, FullScreenCoversTheDisplayAtTheLargestScaleThatFitsTheBox)
{
    // The dummy display is 1024 x 768: scale 3, a 341 x 256 form.
    const Shown full = showPattern({.fullscreen = true}, 0, 0, 14, 18);
    EXPECT_EQ(full.scale, 3);
    EXPECT_EQ(full.width, 1024);
    EXPECT_EQ(full.height, 768);
    EXPECT_EQ(full.client.ScaleWidth, 341);
    EXPECT_EQ(full.client.ScaleHeight, 256);
    EXPECT_EQ(showPattern({.scale = 2, .fullscreen = true}, 0, 0, 14, 18).client.ScaleWidth, 512);
}

TEST(SdlPlatformScale, AScaleOutOfRangeIsARunTimeError)
{
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    EXPECT_THROW(SdlPlatform({.scale = 9}), RuntimeError);
    EXPECT_THROW(SdlPlatform({.scale = -1}), RuntimeError);
}
