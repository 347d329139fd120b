// SPDX-License-Identifier: MIT
#include "gfx/gdi.h"

#include <gtest/gtest.h>

#include <random>

#include "gfx/surface.h"
#include "tests/pixels.h"

namespace {

// A source whose every pixel is distinct, so a wrong sample always shows.
Surface numbered(int width, int height)
{
    Surface surface(width, height);
    const DeviceContext dc = surface.hDC();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) pixel(dc, x, y) = std::uint32_t(y * 1000 + x + 1);
    }
    return surface;
}

// Copies onto a blank image of the given size, and expects the picture that
// the copy as defined draws, one destination pixel at a time.
void expectCopyAsDefined(int width, int height, int x, int y, int w, int h, const DeviceContext& from, int sx,
                         int sy, int sw, int sh)
{
    Surface actual(width, height);
    Surface expected(width, height);
    EXPECT_EQ(StretchBlt(actual.hDC(), x, y, w, h, from, sx, sy, sw, sh, SRCCOPY), 1);
    const DeviceContext to = expected.hDC();
    for (int dy = 0; dy < height; ++dy) {
        for (int dx = 0; dx < width; ++dx) {
            const std::int64_t i = dx - std::int64_t{x};
            const std::int64_t j = dy - std::int64_t{y};
            if (i < 0 || j < 0 || i >= w || j >= h) continue;
            const auto u = (2 * i + 1) * sw / (2 * std::int64_t{w});
            const auto v = (2 * j + 1) * sh / (2 * std::int64_t{h});
            pixel(to, dx, dy) = pixel(from, sx + u, sy + v);
        }
    }
    EXPECT_EQ(differingPixels(actual.hDC(), to), 0) << "dest (" << x << ", " << y << ", " << w << ", " << h
                                                    << ") source (" << sx << ", " << sy << ", " << sw << ", " << sh
                                                    << ")";
}

}  // namespace

TEST(GetPixel, AnswersRedInTheLowByteAndInvalidOutside)
{
    Surface surface(2, 2);
    pixel(surface.hDC(), 1, 0) = 0x00112233;  // red 0x11, green 0x22, blue 0x33
    EXPECT_EQ(GetPixel(surface.hDC(), 1, 0), 0x00332211u);
    EXPECT_EQ(GetPixel(surface.hDC(), 0, 0), 0u);
    EXPECT_EQ(GetPixel(surface.hDC(), -1, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(surface.hDC(), 0, 2), CLR_INVALID);
    EXPECT_EQ(GetPixel(surface.hDC(), 2, 1), CLR_INVALID);
}

TEST(StretchBlt, MatchesThePerPixelDefinitionWhenScalingAndClipping)
{
    // One-pixel-wide destinations and sources, as walls are, come up often.
    const Surface source = numbered(128, 64);
    std::mt19937 random(7);
    auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int round = 0; round < 400; ++round) {
        const int w = between(0, 3) == 0 ? 1 : between(1, 90);
        const int h = between(1, 900);
        const int x = between(-w, 45);
        const int y = between(-h, 35);
        const int sw = between(0, 3) == 0 ? 1 : between(1, 20);
        const int sh = between(1, 64);
        const int sx = between(0, 128 - sw);
        const int sy = between(0, 64 - sh);
        expectCopyAsDefined(40, 30, x, y, w, h, source.hDC(), sx, sy, sw, sh);
    }
}

TEST(StretchBlt, MatchesTheDefinitionAtTheEdgesOfItsShortCuts)
{
    // Columns either side of four times magnified, where runs of rows become
    // blocks, one block ending inside the image; columns of 32768 rows and
    // more, the tallest there are, around their middle rows, and one of 53327
    // rows from 27173 whose row 53248 32-bit fractions would get wrong; rows
    // magnified up to and just past eight times, and a row of more source
    // pixels than the table of runs holds.
    const Surface texture = numbered(300, 64);
    struct Case {
        int x, y, w, h, sw, sh;
    };
    constexpr int tallest = 2147483647;
    const Case cases[] = {
        {3, -100, 1, 255, 1, 64},            {3, -100, 1, 256, 1, 64},
        {3, -300, 1, 321, 1, 64},            {3, -16000, 1, 32768, 1, 64},
        {3, -45922, 1, 48181, 1, 64},        {3, -40000, 1, 90000, 2, 63},
        {-5, 0, 64, 20, 8, 5},               {-5, 0, 72, 20, 8, 5},
        {0, 0, 350, 20, 300, 20},            {3, -1073741809, 1, tallest, 1, 64},
        {-9, -1073741810, 30, tallest, 1, 64}, {-9, -1073741815, 350, tallest, 300, 64},
    };
    for (const Case& c : cases) expectCopyAsDefined(400, 30, c.x, c.y, c.w, c.h, texture.hDC(), 0, 0, c.sw, c.sh);
    expectCopyAsDefined(40, 30, 3, -53240, 1, 53327, numbered(1, 27173).hDC(), 0, 0, 1, 27173);
    // Each width a wall column has a loop of its own for, and the first without.
    for (int w = 1; w <= 9; ++w) expectCopyAsDefined(400, 30, 3, -5, w, 40, texture.hDC(), 7, 0, 1, 64);
}

TEST(StretchBlt, RefusesABadSourceAndDrawsNothing)
{
    const Surface source = numbered(64, 64);
    Surface destination(8, 8);
    EXPECT_EQ(StretchBlt(destination.hDC(), 0, 0, 8, 8, source.hDC(), 1, 0, 64, 64, SRCCOPY), 0);
    EXPECT_EQ(StretchBlt(destination.hDC(), 0, 0, 8, 8, source.hDC(), 0, -1, 4, 4, SRCCOPY), 0);
    EXPECT_EQ(StretchBlt(destination.hDC(), 0, 0, 8, 8, source.hDC(), 0, 0, 0, 4, SRCCOPY), 0);
    EXPECT_EQ(StretchBlt(destination.hDC(), 0, 0, 8, 8, source.hDC(), 0, 0, 4, 4, 0x00EE0086), 0);
    EXPECT_EQ(StretchBlt(destination.hDC(), 0, 8, 8, -1, source.hDC(), 0, 0, 4, 4, SRCCOPY), 0);
    EXPECT_EQ(StretchBlt(destination.hDC(), 0, 0, 1, 0, source.hDC(), 0, 0, 1, 64, SRCCOPY), 1);
    EXPECT_EQ(differingPixels(destination.hDC(), Surface(8, 8).hDC()), 0);
}
