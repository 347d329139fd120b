// SPDX-License-Identifier: MIT
#include "gfx/upscale.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "gfx/surface.h"
#include "platform/view_scale.h"
#include "tests/pixels.h"

// Each scale has a copy loop of its own. Every pixel of the area becomes a
// block; nothing outside the area is drawn, nor a block that would not fit
// whole: at the larger scales the area reaches past the last whole block of
// 1000 x 700 pixels, and that strip is left as it was. (How the platform
// shows a form this way is checked in a real window at scales 1 to 4.)
TEST(Upscale, EachPixelOfTheAreaBecomesAWholeBlock)
{
    const Surface form(200, 100);
    const DeviceContext from = form.hDC();
    for (int y = 0; y < from.height; ++y) {
        for (int x = 0; x < from.width; ++x) pixel(from, x, y) = std::uint32_t(x * 7919 + y * 104729) & 0xFFFFFF;
    }
    const SDL_Rect area{3, 2, 190, 90};
    constexpr std::uint32_t untouched = 0x123456;
    for (std::int32_t n = smallestScale; n <= largestScale; ++n) {
        const Surface window(1000, 700);
        const DeviceContext to = window.hDC();
        std::fill_n(to.pixels, to.pitch * to.height, untouched);
        upscale(*form.image(), area, *window.image(), n);
        long wrong = 0;
        for (int y = 0; y < to.height; ++y) {
            for (int x = 0; x < to.width; ++x) {
                const SDL_Point source{x / n, y / n};
                const bool drawn = SDL_PointInRect(&source, &area) && x < to.width / n * n && y < to.height / n * n;
                wrong += (pixel(to, x, y) & 0xFFFFFF) != (drawn ? pixel(from, source.x, source.y) : untouched);
            }
        }
        EXPECT_EQ(wrong, 0) << "at scale " << n;
    }
}
