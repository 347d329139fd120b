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

TEST(WindowLayout, PictureHoldersStayOutsideTheClientAreaAndNeverMove)
{
    FakePlatform platform;
    frmMain form(platform);
    const auto where = [&] {
        std::vector<std::pair<float, float>> places{{form.picMap.Left, form.picMap.Top},
                                                    {form.picClear.Left, form.picClear.Top}};
        for (const Surface& texture : form.picTexture) places.emplace_back(texture.Left, texture.Top);
        return places;
    };
    const auto before = where();
    for (const auto& [left, top] : before) EXPECT_TRUE(left > 339 || top > 259) << left << ", " << top;
    platform.client = {1000, 700};
    form.Form_Resize();
    EXPECT_EQ(where(), before);

    EXPECT_EQ(form.picTexture[0].ScaleWidth(), 1.0f);
    EXPECT_EQ(form.picTexture[0].ScaleHeight(), 1.0f);
}
