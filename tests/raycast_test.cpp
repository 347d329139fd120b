// SPDX-License-Identifier: MIT
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "render/ray_column.h"
#include "tests/fixture_pictures.h"
#include "tests/golden.h"
#include "tests/pixels.h"
#include "tests/runtime_error.h"
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
    // A ten-millionth of a cell from a face the wall is 236 * 2^23 rows tall;
    // on the face, or where 1080 / 2^-23 leaves 32 bits, it is 2^31 - 1 tall.
    // Standing on the line y = 1 and facing +x, the ray runs along the line
    // and must not take the outer ring just behind it for a wall in front.
    const float justInside = std::nextafter(1.0f, 2.0f);
    constexpr std::int32_t tallest = 2147483647;
    const Case cases[] = {
        {"straight ahead", 2.5f, 2.5f, 0, 2, 96, 9.5, 25, 106},
        {"toward -x", 2.5f, 2.5f, 270, 2, 32, 0.5, 472, -118},
        {"corner", 2.5f, 2.5f, 45, 5, 0, std::sqrt(0.5), 334, -49},
        {"101 tall", 2.5f, 12 - 236.0f / 101, 0, 2, 96, 236.0 / 101, 101, 68},
        {"102 tall", 2.5f, 12 - 236.0f / 102, 0, 2, 96, 236.0 / 102, 102, 67},
        {"103 tall", 2.5f, 12 - 236.0f / 103, 0, 2, 96, 236.0 / 103, 103, 66},
        {"on a face", 1.5f, 3.0f, 180, 2, 96, 0, tallest, -1073741706},
        {"near a face", 2.5f, justInside, 180, 4, 95, 0x1p-23, 1979711488, -989855626},
        {"nearer than 32 bits", 2.5f, justInside, 180, 4, 95, 0x1p-23, tallest, -1073741284, 1080},
        {"along the ring, facing +x", 2.5f, 1.0f, 90, 2, 63, 0.5, 472, -118},
    };
    form.state.mapCells(3, 3) = 5;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const WallColumn wall = cast(c.x, c.y, c.angle, 0, c.height);
        EXPECT_EQ(wall.wallCode, c.wallCode);
        EXPECT_EQ(wall.textureColumn, c.textureColumn);
        EXPECT_NEAR(wall.wallDistance, c.distance, 1e-5 * c.distance);
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

// The view as the column rule has it, one pixel at a time and as plainly as
// it can be written: each visible column casts its own ray, and only the last
// codes of the two walks carry over from column to column.
struct ReferenceWall {
    std::int16_t code;
    std::int64_t textureColumn;
    float distance;
};

ReferenceWall referenceRay(const GameState& s, double rayAngle, std::int16_t& yCode, std::int16_t& xCode)
{
    const auto tangent = [&](double angle) { return double{s.tanTable[normaliseAngle(std::int16_t(angle))]}; };
    const auto inside = [](double x, double y) { return x >= 0 && x <= 63 && y >= 0 && y <= 63; };
    const int yAdjust = 90 < normaliseAngle(std::int16_t(rayAngle)) && normaliseAngle(std::int16_t(rayAngle)) < 270;
    const double yStepY = yAdjust ? -1 : 1;
    double yY = std::floor(double{s.playerY}) + 1 - yAdjust;
    double yX = s.playerX + (yY - s.playerY) * tangent(rayAngle);
    for (; inside(yX, yY); yX += yStepY * tangent(rayAngle), yY += yStepY) {
        yCode = s.mapCells(std::int64_t(std::floor(yX)), std::int64_t(yY) - yAdjust);
        if (yCode != 0) break;
    }
    const int xAdjust = 90 < normaliseAngle(std::int16_t(rayAngle - 90)) &&
                        normaliseAngle(std::int16_t(rayAngle - 90)) < 270;
    const double xStepX = xAdjust ? -1 : 1;
    double xX = std::floor(double{s.playerX}) + 1 - xAdjust;
    double xY = s.playerY - (xX - s.playerX) * tangent(rayAngle + 90);
    for (; inside(xX, xY); xX += xStepX, xY -= xStepX * tangent(rayAngle - 90)) {
        xCode = s.mapCells(std::int64_t(xX) - xAdjust, std::int64_t(std::floor(xY)));
        if (xCode != 0) break;
    }
    const double yDistance = std::sqrt((s.playerX - yX) * (s.playerX - yX) + (s.playerY - yY) * (s.playerY - yY));
    const double xDistance = std::sqrt((s.playerX - xX) * (s.playerX - xX) + (s.playerY - xY) * (s.playerY - xY));
    if (yDistance < xDistance) {
        return {yCode, std::int64_t(std::floor((yX - std::floor(yX)) * 64)) + 64, float(yDistance)};
    }
    return {xCode, std::int64_t(std::floor((xY - std::floor(xY)) * 64)), float(xDistance)};
}

void referenceFrame(const frmMain& form, const DeviceContext& out)
{
    const GameState& s = form.state;
    const std::int64_t W = out.width;
    const std::int64_t H = out.height;
    std::int16_t yCode = 0;
    std::int16_t xCode = 0;
    for (std::int64_t c = 0; c < W; ++c) {
        const std::int64_t rayOffset = 70 * c / W - 35;
        const ReferenceWall wall = referenceRay(s, std::floor(s.playerAngle + rayOffset), yCode, xCode);
        ASSERT_NE(wall.code, 0) << "column " << c;
        const float distance = float(double{wall.distance} * lCos(s.sinTable, std::int16_t(rayOffset)));
        // Where the rule gives no height the program draws the tallest one.
        const double quotient = distance > 0 ? double(H) / distance : HUGE_VAL;
        const std::int64_t height = quotient < 2147483647.5 ? std::int64_t(std::nearbyint(quotient)) : 2147483647;
        const std::int64_t top = std::int64_t(std::nearbyint(double(H) / 2 - double(height) / 2));
        const DeviceContext texture = form.picTexture[std::size_t(wall.code)].hDC();
        const DeviceContext backdrop = form.picClear.hDC();
        for (std::int64_t r = 0; r < H; ++r) {
            const std::int64_t i = r - top;
            pixel(out, c, r) = 0 <= i && i < height
                                   ? pixel(texture, wall.textureColumn, (2 * i + 1) * 64 / (2 * height))
                                   : pixel(backdrop, (2 * c + 1) * 64 / (2 * W), (2 * r + 1) * 64 / (2 * H));
        }
    }
}

TEST_F(RaycastTest, FramesFollowTheColumnRulePixelForPixel)
{
    struct ViewState {
        float x, y, angle;
        int width, height;
    };
    // Two states from play where a wall within 1/256 of a cell was once drawn
    // too short, then random ones: in the open, and on a face or a hair from
    // one, at random view sizes.
    std::vector<ViewState> states = {{4.972755432128906f, 8.999748229980469f, 10, 316, 236},
                                     {13.636078834533691f, 5.000100135803223f, 180, 316, 236}};
    std::mt19937 random(9);
    const auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const auto whole = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const MapCells& cells = form.state.mapCells;
    while (states.size() < 300) {
        const int cx = whole(1, 62);
        const int cy = whole(1, 62);
        if (cells(cx, cy) != 0) continue;
        ViewState v{float(cx + uniform(0, 1)), float(cy + uniform(0, 1)), float(whole(-359, 359)), whole(1, 400),
                    whole(1, 300)};
        if (states.size() % 100 == 0) v = {v.x, v.y, v.angle, 1920, 1080};
        if (states.size() % 50 == 25) v = {v.x, v.y, v.angle, 316, 236};
        if (states.size() % 2 == 0) {
            // On or near the face toward a wall beside the cell, looking at it
            // from up to 60 degrees aside.
            const std::pair<int, int> sides[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
            const auto [dx, dy] = sides[whole(0, 3)];
            if (cells(cx + dx, cy + dy) == 0) continue;
            const double gap = whole(0, 3) == 0 ? whole(0, 4) * 0x1p-23 : std::pow(10.0, uniform(-8, -1));
            if (dx != 0) v.x = float(dx < 0 ? cx + gap : cx + 1 - gap);
            if (dy != 0) v.y = float(dy < 0 ? cy + gap : cy + 1 - gap);
            if (std::floor(v.x) != cx || std::floor(v.y) != cy) continue;
            v.angle = std::floor(float(std::atan2(dx, dy) * 180 / std::numbers::pi) + whole(-60, 60));
        }
        states.push_back(v);
    }
    for (const ViewState& v : states) {
        place(v.x, v.y, v.angle);
        Surface actual(v.width, v.height);
        Surface expected(v.width, v.height);
        form.Raycast(actual);
        // The runs drawn are handed on, up to the column just past the view.
        EXPECT_EQ(form.viewRuns.end()[-1].endColumn, v.width + 1);
        referenceFrame(form, expected.hDC());
        EXPECT_EQ(differingPixels(actual.hDC(), expected.hDC()), 0)
            << "(" << v.x << ", " << v.y << ") facing " << v.angle << " on " << v.width << " x " << v.height;
    }
}

TEST_F(RaycastTest, BadInputsFailInsteadOfDrawing)
{
    // The rightmost ray's angle + 90 leaves 16 bits.
    EXPECT_THROW(cast(2.5f, 2.5f, 32643, 35), RuntimeError);
    EXPECT_THROW(cast(std::nanf(""), 2.5f, 0), RuntimeError);
    // From inside the outer ring the rays leave the grid without reading a
    // cell and end on code 0, open floor, which has no texture.
    place(63.0f, 28.8695889f, 90);
    const std::string error = runtimeErrorOf([&] { form.Raycast(form.picRender); });
    EXPECT_NE(error.find("picTexture(0)"), std::string::npos) << error;
    // Without a solid ring a walk toward -y reaches row -1.
    form.state.mapCells = MapCells{};
    EXPECT_THROW(cast(2.5f, 2.5f, 180), RuntimeError);
}

// Whole frames, pixel for pixel (see tests/golden.h for rewriting them).
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
        const std::filesystem::path path = goldenPath(c.name + ".bmp");
        const std::string fault =
            std::filesystem::exists(path)
                ? goldenDifference(form.picRender.hDC(), Surface::fromBmp(fileBytes(path.string()), path.string()).hDC())
                : "there is no " + path.string();
        judgeGolden(path, fault, [&](const std::filesystem::path& file) {
            return SDL_SaveBMP(form.picRender.image(), file.string().c_str()) == 0;
        });
    }
}

}  // namespace
