// SPDX-License-Identifier: MIT
#include "gfx/client_area.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>

#include "gfx/surface.h"
#include "tests/pixels.h"

namespace {

using SdlSurface = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

SdlSurface windowImage(int width, int height, Uint32 format)
{
    return {SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, format), &SDL_FreeSurface};
}

}  // namespace

// The window is not sent a frame it shows already: only pixels it can show
// count, and a changed one anywhere there must be seen.
TEST(ClientArea, ShowsTheFrameUntilAPixelItCanShowChanges)
{
    const SdlSurface target = windowImage(20, 20, SDL_PIXELFORMAT_XRGB8888);
    ASSERT_NE(target, nullptr);
    // A 4 x 4 frame inside a border of 2 at (15, 15): its last column and row
    // lie beyond the window.
    Surface frame(4, 4, 2);
    frame.Left = frame.Top = 15;
    const DeviceContext dc = frame.hDC();
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) pixel(dc, x, y) = std::uint32_t(y * 4 + x + 1);
    }
    EXPECT_FALSE(clientAreaShows(target.get(), frame));
    composeClientArea(target.get(), frame, true);
    EXPECT_TRUE(clientAreaShows(target.get(), frame));

    pixel(dc, 3, 3) = 99;
    EXPECT_TRUE(clientAreaShows(target.get(), frame));
    pixel(dc, 2, 2) = 99;
    EXPECT_FALSE(clientAreaShows(target.get(), frame));
    pixel(dc, 2, 2) = 11;
    pixel(dc, 0, 1) = 99;
    EXPECT_FALSE(clientAreaShows(target.get(), frame));

    // Wholly beyond the window, it shows as much as it can: nothing.
    frame.Left = 40;
    EXPECT_TRUE(clientAreaShows(target.get(), frame));

    // Bytes of another format would compare wrongly.
    const SdlSurface other = windowImage(20, 20, SDL_PIXELFORMAT_ABGR8888);
    frame.Left = 0;
    composeClientArea(other.get(), frame, true);
    EXPECT_FALSE(clientAreaShows(other.get(), frame));
}
