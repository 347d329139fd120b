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

    platform.client = {1000, 700};
    form.Form_Resize();
    EXPECT_EQ(form.picRender.Left, 342.0f);
    EXPECT_EQ(form.picRender.Top, 232.0f);

    platform.client = {316, 236};
    form.Form_Resize();
    EXPECT_EQ(form.picRender.Left, 0.0f);
    EXPECT_EQ(form.picRender.Top, 0.0f);

    platform.client = {339, 259};
    form.Form_Resize();
    EXPECT_EQ(form.picRender.Left, 11.5f);
    EXPECT_EQ(form.picRender.Top, 11.5f);

    // Smaller than the box: cut off equally on both sides.
    platform.client = {100, 50};
    form.Form_Resize();
    EXPECT_EQ(form.picRender.Left, -108.0f);
    EXPECT_EQ(form.picRender.Top, -93.0f);
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
