#include <gtest/gtest.h>

#include "core/frmMain.h"
#include "tests/fake_platform.h"

TEST(WindowLayout, RenderBoxIsCentredOnItsDrawableSize)
{
    FakePlatform platform;
    frmMain form(platform);
    EXPECT_EQ(form.picRender.ScaleWidth(), 316.0f);
    EXPECT_EQ(form.picRender.ScaleHeight(), 236.0f);
    EXPECT_EQ(form.picRender.BorderWidth(), 2);

    // The last one is smaller than the box: it is cut off equally on both sides.
    const struct {
        ClientSize client;
        float left, top;
    } cases[] = {{{1000, 700}, 342, 232}, {{316, 236}, 0, 0}, {{339, 259}, 11.5f, 11.5f}, {{100, 50}, -108, -93}};
    for (const auto& c : cases) {
        platform.client = c.client;
        form.Form_Resize();
        EXPECT_EQ(form.picRender.Left, c.left) << c.client.ScaleWidth;
        EXPECT_EQ(form.picRender.Top, c.top) << c.client.ScaleHeight;
    }
}
