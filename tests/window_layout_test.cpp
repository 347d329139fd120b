// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/frmMain.h"
#include "tests/fake_platform.h"

TEST(WindowLayout, RenderBoxIsCentredOnItsDrawableSize)
{
    FakePlatform platform;
    frmMain form(platform);
    // The 316 x 236 box in a larger window, in one its own size, in the
    // window as created, and in one smaller than the box, which cuts it off
    // equally on both sides.
    const struct {
        ClientSize client;
        float left, top;
    } cases[] = {{{1000, 700}, 342, 232}, {{316, 236}, 0, 0}, {{339, 259}, 11.5f, 11.5f}, {{100, 50}, -108, -93}};
    EXPECT_EQ(form.picRender.BorderWidth(), 2);
    for (const auto& c : cases) {
        platform.client = c.client;
        form.Form_Resize();
        EXPECT_EQ(form.picRender.Left, c.left) << c.client.ScaleWidth;
        EXPECT_EQ(form.picRender.Top, c.top) << c.client.ScaleHeight;
    }
}
