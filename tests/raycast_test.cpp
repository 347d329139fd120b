#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "render/gdi.h"
#include "render/ray_column.h"
#include "tests/fixture_pictures.h"
#include "tests/started_form.h"

namespace {

class RaycastTest : public ::testing::Test, protected StartedForm {
protected:
    RaycastTest() : StartedForm(fixturePictures()) {}

    WallColumn cast(float x, float y, float angle, std::int32_t rayOffset = 0, float height = 236)
    {
        place(x, y, angle);
        LastWallCodes codes;
        return castColumn(form.state, rayOffset, height, codes);
    }
};

TEST(ColumnRayOffset, SpreadsSeventyDegreesOverTheWidth)
{
    const std::pair<int, int> offsets[] = {{0, -35}, {4, -35}, {5, -34}, {157, -1}, {158, 0}, {315, 34}, {316, 35}};
    for (const auto& [column, offset] : offsets) EXPECT_EQ(columnRayOffset(column, 316), offset) << column;
    EXPECT_THROW(columnRayOffset(0, 0), RuntimeError);
}

TEST_F(RaycastTest, MiddleColumnsPinnedByHand)
{
    struct Case {
        const char* what;
        float x, y, angle;
        std::int16_t wallCode, textureColumn;
        double distance;
        std::int32_t wallHeight, wallTop;
        float height = 236;
    };
    // Odd heights centre on the even row; a corner ray takes the x-line wall.
    // Exactly on a wall face, or a ten-millionth of a cell from it where
    // 1080 / 1.2e-7 leaves 32 bits, the wall is 256 view heights tall.
    const float justInside = std::nextafter(1.0f, 2.0f);
    const Case cases[] = {
        {"straight ahead", 2.5f, 2.5f, 0, 2, 96, 9.5, 25, 106},
        {"toward -x", 2.5f, 2.5f, 270, 2, 32, 0.5, 472, -118},
        {"corner", 2.5f, 2.5f, 45, 5, 0, std::sqrt(0.5), 334, -49},
        {"101 tall", 2.5f, 12 - 236.0f / 101, 0, 2, 96, 236.0 / 101, 101, 68},
        {"102 tall", 2.5f, 12 - 236.0f / 102, 0, 2, 96, 236.0 / 102, 102, 67},
        {"103 tall", 2.5f, 12 - 236.0f / 103, 0, 2, 96, 236.0 / 103, 103, 66},
        {"on a face", 1.5f, 3.0f, 180, 2, 96, nearestWallDistance, 236 * 256, 118 - 236 * 128},
        {"near a face", 2.5f, justInside, 180, 4, 95, nearestWallDistance, 1080 * 256, 540 - 1080 * 128, 1080},
    };
    form.state.mapCells(3, 3) = 5;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const WallColumn wall = cast(c.x, c.y, c.angle, 0, c.height);
        EXPECT_EQ(wall.wallCode, c.wallCode);
        EXPECT_EQ(wall.textureColumn, c.textureColumn);
        EXPECT_NEAR(wall.wallDistance, c.distance, 1e-5);
        EXPECT_EQ(wall.wallHeight, c.wallHeight);
        EXPECT_EQ(wall.wallTop, c.wallTop);
    }

    // Straight ahead the x-line walk starts far outside the grid and reads no
    // cell, so its code is what the previous column left.
    LastWallCodes codes{.yLineCode = 0, .xLineCode = 7};
    place(2.5f, 2.5f, 0);
    castColumn(form.state, 0, 236, codes);
    EXPECT_EQ(codes.yLineCode, 2);
    EXPECT_EQ(codes.xLineCode, 7);
}

TEST_F(RaycastTest, AFlatWallFacingThePlayerIsOneEvenBand)
{
    // The bottom border of the hall, 7.5 cells ahead across the whole view.
    place(21.5f, 55.5f, 0);
    LastWallCodes codes;
    for (std::int32_t rayOffset = -35; rayOffset <= 34; ++rayOffset) {
        const WallColumn wall = castColumn(form.state, rayOffset, 236, codes);
        SCOPED_TRACE(rayOffset);
        EXPECT_EQ(wall.wallCode, 2);
        EXPECT_GE(wall.textureColumn, 64);
        EXPECT_NEAR(wall.wallDistance, 7.5, 1e-5);
        EXPECT_EQ(wall.wallHeight, 31);
    }
}

TEST_F(RaycastTest, FramesFromOnAndNearAWallFaceDraw)
{
    // The middle of the view is the middle texel row of the wall.
    place(1.5f, 3.0f, 180);
    form.Raycast(form.picRender);
    EXPECT_EQ(GetPixel(form.picRender.hDC(), 158, 118), GetPixel(form.picTexture[2].hDC(), 96, 32));
    Surface large(1920, 1080);
    place(2.5f, std::nextafter(1.0f, 2.0f), 180);
    EXPECT_NO_THROW(form.Raycast(large));
}

TEST_F(RaycastTest, BadInputsFailInsteadOfDrawing)
{
    // The rightmost ray's angle + 90 leaves 16 bits.
    EXPECT_THROW(cast(2.5f, 2.5f, 32643, 35), RuntimeError);
    EXPECT_THROW(cast(std::nanf(""), 2.5f, 0), RuntimeError);
    // Without a solid ring a walk toward -y reaches row -1.
    form.state.mapCells = MapCells{};
    EXPECT_THROW(cast(2.5f, 2.5f, 180), RuntimeError);
}

// Whole frames, pixel for pixel. QUENTAVOX_UPDATE_GOLDEN=1 rewrites the
// images instead of comparing, after a deliberate change to the pictures or
// the renderer.
TEST_F(RaycastTest, FramesMatchTheGoldenImages)
{
    struct Case {
        std::string name;
        float x, y, angle;
    };
    const Case cases[] = {{"start_view", 2.5f, 2.5f, 0},
                          {"start_turned_90", 2.5f, 2.5f, 90},
                          {"large_hall", 20.5f, 45.5f, 45},
                          {"wall_half_cell", 2.5f, 2.5f, 270}};
    for (const Case& c : cases) {
        place(c.x, c.y, c.angle);
        form.Raycast(form.picRender);
        const std::string path = std::string(QUENTAVOX_SOURCE_DIR) + "/tests/golden/" + c.name + ".bmp";
        if (std::getenv("QUENTAVOX_UPDATE_GOLDEN") != nullptr) {
            ASSERT_EQ(SDL_SaveBMP(form.picRender.image(), path.c_str()), 0) << SDL_GetError();
            continue;
        }
        std::ifstream file(path, std::ios::binary);
        ASSERT_TRUE(file) << "no golden image " << path;
        const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
        const Surface golden = Surface::fromBmp(bytes, path);
        const DeviceContext expected = golden.hDC();
        const DeviceContext actual = form.picRender.hDC();
        ASSERT_TRUE(expected.width == actual.width && expected.height == actual.height) << c.name;
        int differing = 0;
        for (int y = 0; y < actual.height; ++y) {
            for (int x = 0; x < actual.width; ++x) differing += GetPixel(expected, x, y) != GetPixel(actual, x, y);
        }
        if (differing > 0) {
            SDL_SaveBMP(form.picRender.image(), (c.name + ".actual.bmp").c_str());
            ADD_FAILURE() << c.name << ": " << differing << " pixels differ; see " << c.name << ".actual.bmp";
        }
    }
}

}  // namespace
