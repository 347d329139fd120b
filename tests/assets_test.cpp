// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "assets/embedded_pictures.h"
#include "assets/map_cells.h"
#include "assets/map_decoding.h"
#include "assets/picture_names.h"
#include "gfx/gdi.h"
#include "tests/fake_platform.h"
#include "tests/fixture_pictures.h"
#include "tests/runtime_error.h"

namespace {

TEST(LevelMap, UnlistedColourRepeatsThePixelReadBefore)
{
    struct Paint {
        int x, y;
        std::uint32_t colour;  // as the surface stores it, 0x00RRGGBB
        int code;
    };
    // An unlisted colour first of all is open floor; at the top of a column
    // it follows the bottom of the column before, otherwise the pixel above.
    // (254, 0, 0) is not red; red is code 3 and blue code 4.
    constexpr std::uint32_t unlisted = 0x00563412;
    const Paint paints[] = {{0, 0, unlisted, 0},   {0, 1, 0x00FFFFFF, 2}, {4, 63, 0x000000FF, 4}, {5, 0, unlisted, 4},
                            {5, 6, 0x0000FF00, 5}, {5, 7, unlisted, 5},   {7, 2, 0x00FFFF00, 1}, {7, 3, 0x00FE0000, 1},
                            {9, 9, 0x00FF0000, 3}, {9, 10, 0x000000FF, 4}};
    Surface picture(64, 64);
    const DeviceContext dc = picture.hDC();
    std::fill_n(dc.pixels, dc.pitch * 64, 0x00FFFFFFu);
    for (const Paint& p : paints) dc.pixels[p.y * dc.pitch + p.x] = p.colour;
    MapCells cells;
    decodeMap(picture, cells);
    for (const Paint& p : paints) EXPECT_EQ(cells(p.x, p.y), p.code) << p.x << ", " << p.y;
}

TEST(Pictures, StartUpRefusesAPictureOfTheWrongSizeNamingIt)
{
    FakePlatform platform;
    FormPictures pictures = fixturePictures();
    pictures.textures[2] = pictures.backdrop;
    EXPECT_EQ(runtimeErrorOf([&] { frmMain form(platform, pictures); }),
              "Wrong picture size: tests/fixtures/backdrop.bmp is 64 x 64 pixels, not 128 x 64");
    // The right width is not enough: the level's file with one row fewer.
    std::vector<unsigned char> shorter = fixtureBytes("map.bmp");
    shorter[22] = 63;
    pictures = fixturePictures();
    pictures.backdrop = {"short.bmp", shorter};
    EXPECT_EQ(runtimeErrorOf([&] { frmMain form(platform, pictures); }),
              "Wrong picture size: short.bmp is 64 x 63 pixels, not 64 x 64");
}

}  // namespace

// The build lists the picture files for embedding; the tools and the tests
// name them through picture_names.h. Both must mean the same files.
TEST(Pictures, TheProgramEmbedsThePicturesTheToolsName)
{
    EXPECT_EQ(embedded::map().name, "assets/" + std::string(mapFileName));
    EXPECT_EQ(embedded::backdrop().name, "assets/" + std::string(backdropFileName));
    const auto textures = embedded::textures();
    for (std::size_t i = 0; i < textures.size(); ++i) {
        EXPECT_EQ(textures[i].name, "assets/" + textureFileName(i + 1));
    }
}
