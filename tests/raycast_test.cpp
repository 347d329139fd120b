#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "assets/map_decoding.h"
#include "core/frmMain.h"
#include "render/gdi.h"
#include "render/ray_column.h"
#include "tests/fake_platform.h"

namespace {

class RaycastTest : public ::testing::Test {
protected:
    RaycastTest()
    {
        generateTrig(form.state.sinTable, form.state.tanTable);
        decodeMap(form.picMap, form.state.mapCells);
    }

    void place(float x, float y, float angle)
    {
        form.state.playerX = x;
        form.state.playerY = y;
        form.state.playerAngle = angle;
    }

    WallColumn cast(float x, float y, float angle, std::int32_t rayOffset = 0, float height = 236)
    {
        place(x, y, angle);
        LastWallCodes codes;
        return castColumn(form.state, rayOffset, height, codes);
    }

    FakePlatform platform;
    frmMain form{platform};
};

TEST(ColumnRayOffset, SpreadsSeventyDegreesOverTheWidth)
{
    EXPECT_EQ(columnRayOffset(0, 316), -35);
    EXPECT_EQ(columnRayOffset(4, 316), -35);
    EXPECT_EQ(columnRayOffset(5, 316), -34);
    EXPECT_EQ(columnRayOffset(157, 316), -1);
    EXPECT_EQ(columnRayOffset(158, 316), 0);
    EXPECT_EQ(columnRayOffset(315, 316), 34);
    EXPECT_EQ(columnRayOffset(316, 316), 35);
    EXPECT_THROW(columnRayOffset(0, 0), RuntimeError);
}

TEST_F(RaycastTest, StraightAheadFromTheStartMeetsTheCorridorEnd)
{
    place(2.5f, 2.5f, 0);
    LastWallCodes codes{.yLineCode = 0, .xLineCode = 7};
    const WallColumn wall = castColumn(form.state, 0, 236, codes);
    EXPECT_EQ(wall.wallCode, 2);
    EXPECT_EQ(wall.textureColumn, 96);
    EXPECT_EQ(wall.wallDistance, 9.5f);
    EXPECT_EQ(wall.wallHeight, 25);
    EXPECT_EQ(wall.wallTop, 106);
    // The x-line walk starts far outside the grid and reads no cell, so its
    // code is what the previous column left.
    EXPECT_EQ(codes.yLineCode, 2);
    EXPECT_EQ(codes.xLineCode, 7);
}

TEST_F(RaycastTest, TowardMinusXAtHalfACell)
{
    const WallColumn wall = cast(2.5f, 2.5f, 270);
    EXPECT_EQ(wall.wallCode, 2);
    EXPECT_EQ(wall.textureColumn, 32);
    EXPECT_EQ(wall.wallDistance, 0.5f);
    EXPECT_EQ(wall.wallHeight, 472);
    EXPECT_EQ(wall.wallTop, -118);
}

TEST_F(RaycastTest, ARayThroughACornerTakesTheXLineWall)
{
    form.state.mapCells(3, 3) = 5;
    const WallColumn wall = cast(2.5f, 2.5f, 45);
    EXPECT_EQ(wall.wallCode, 5);
    EXPECT_EQ(wall.textureColumn, 0);
    EXPECT_EQ(wall.wallDistance, static_cast<float>(std::sqrt(0.5)));
}

TEST_F(RaycastTest, OddHeightsCentreOnTheEvenRow)
{
    // Up the start corridor toward the wall at y = 12, at distances that
    // make the wall 101, 102 and 103 rows tall.
    const WallColumn tall101 = cast(2.5f, 12 - 236.0f / 101, 0);
    const WallColumn tall102 = cast(2.5f, 12 - 236.0f / 102, 0);
    const WallColumn tall103 = cast(2.5f, 12 - 236.0f / 103, 0);
    EXPECT_EQ(tall101.wallHeight, 101);
    EXPECT_EQ(tall101.wallTop, 68);
    EXPECT_EQ(tall102.wallHeight, 102);
    EXPECT_EQ(tall102.wallTop, 67);
    EXPECT_EQ(tall103.wallHeight, 103);
    EXPECT_EQ(tall103.wallTop, 66);
}

TEST_F(RaycastTest, AFlatWallFacingThePlayerIsOneEvenBand)
{
    // The bottom border of the hall, 7.5 cells ahead across the whole view.
    place(21.5f, 55.5f, 0);
    LastWallCodes codes;
    for (std::int32_t rayOffset = -35; rayOffset <= 34; ++rayOffset) {
        const WallColumn wall = castColumn(form.state, rayOffset, 236, codes);
        EXPECT_EQ(wall.wallCode, 2) << "offset " << rayOffset;
        EXPECT_GE(wall.textureColumn, 64) << "offset " << rayOffset;
        EXPECT_NEAR(wall.wallDistance, 7.5, 1e-5) << "offset " << rayOffset;
        EXPECT_EQ(wall.wallHeight, 31) << "offset " << rayOffset;
    }
}

TEST_F(RaycastTest, StandingOnAWallFaceDrawsAWallTallerThanTheView)
{
    // Exactly on the line y = 3 with the cell above solid: distance 0.
    const WallColumn onFace = cast(1.5f, 3.0f, 180);
    EXPECT_EQ(onFace.wallCode, 2);
    EXPECT_EQ(onFace.textureColumn, 96);
    EXPECT_EQ(onFace.wallDistance, nearestWallDistance);
    EXPECT_EQ(onFace.wallHeight, 236 * 256);
    EXPECT_EQ(onFace.wallTop, 118 - 236 * 128);

    // A ten-millionth of a cell from the border: 1080 / 1.2e-7 leaves 32 bits.
    const float justInside = std::nextafter(1.0f, 2.0f);
    const WallColumn nearFace = cast(2.5f, justInside, 180, 0, 1080);
    EXPECT_EQ(nearFace.wallCode, 4);
    EXPECT_EQ(nearFace.wallHeight, 1080 * 256);
    EXPECT_EQ(nearFace.wallTop, 540 - 1080 * 128);

    // Whole frames from both places draw and show; the middle of the view is
    // the middle texel row of the wall.
    place(1.5f, 3.0f, 180);
    form.Raycast(form.picRender);
    EXPECT_EQ(GetPixel(form.picRender.hDC(), 158, 118), GetPixel(form.picTexture[2].hDC(), 96, 32));
    Surface large(1920, 1080);
    place(2.5f, justInside, 180);
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

TEST_F(RaycastTest, EveryColumnOfTheFrameDrawsItsCastColumn)
{
    place(2.5f, 2.5f, 0);
    form.Raycast(form.picRender);
    ASSERT_EQ(platform.presentedAt.size(), 1u);

    // On the horizon row every column shows its wall's texel, left to right.
    LastWallCodes codes;
    for (std::int32_t screenColumn = 0; screenColumn < 316; ++screenColumn) {
        const WallColumn wall = castColumn(form.state, columnRayOffset(screenColumn, 316), 236, codes);
        const std::int64_t i = 118 - wall.wallTop;
        ASSERT_TRUE(i >= 0 && i < wall.wallHeight);
        const std::int64_t row = (2 * i + 1) * 64 / (2 * std::int64_t{wall.wallHeight});
        EXPECT_EQ(GetPixel(form.picRender.hDC(), screenColumn, 118),
                  GetPixel(form.picTexture[wall.wallCode].hDC(), wall.textureColumn, std::int32_t(row)))
            << "column " << screenColumn;
    }
}

// Whole frames, pixel for pixel. QUENTAVOX_UPDATE_GOLDEN=1 rewrites the
// images instead of comparing, after a deliberate change to the pictures or
// the renderer.
class RaycastGolden : public RaycastTest {
protected:
    void expectGolden(const std::string& name)
    {
        form.Raycast(form.picRender);
        const std::string path = std::string(QUENTAVOX_SOURCE_DIR) + "/tests/golden/" + name + ".bmp";
        if (std::getenv("QUENTAVOX_UPDATE_GOLDEN") != nullptr) {
            ASSERT_EQ(SDL_SaveBMP(form.picRender.image(), path.c_str()), 0) << SDL_GetError();
            return;
        }
        std::ifstream file(path, std::ios::binary);
        ASSERT_TRUE(file) << "no golden image " << path;
        const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
        const Surface golden = Surface::fromBmp(bytes, path);
        const DeviceContext expected = golden.hDC();
        const DeviceContext actual = form.picRender.hDC();
        ASSERT_EQ(expected.width, actual.width);
        ASSERT_EQ(expected.height, actual.height);
        int differing = 0;
        for (int y = 0; y < actual.height; ++y) {
            for (int x = 0; x < actual.width; ++x) {
                if (GetPixel(expected, x, y) != GetPixel(actual, x, y) && differing++ == 0) {
                    ADD_FAILURE() << name << " first differs at (" << x << ", " << y << ")";
                }
            }
        }
        if (differing > 0) {
            SDL_SaveBMP(form.picRender.image(), (name + ".actual.bmp").c_str());
            ADD_FAILURE() << name << ": " << differing << " pixels differ; the frame drawn is in "
                          << name << ".actual.bmp";
        }
    }
};

TEST_F(RaycastGolden, StartView)
{
    place(2.5f, 2.5f, 0);
    expectGolden("start_view");
}

TEST_F(RaycastGolden, StartTurnedToPlusX)
{
    place(2.5f, 2.5f, 90);
    expectGolden("start_turned_90");
}

TEST_F(RaycastGolden, LargeHall)
{
    place(20.5f, 45.5f, 45);
    expectGolden("large_hall");
}

TEST_F(RaycastGolden, WallHalfACellAhead)
{
    place(2.5f, 2.5f, 270);
    expectGolden("wall_half_cell");
}

}  // namespace
