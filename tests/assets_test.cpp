#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "assets/embedded_pictures.h"
#include "assets/map_cells.h"
#include "assets/map_decoding.h"
#include "render/gdi.h"
#include "render/surface.h"
#include "tools/level_grid.h"

namespace {

Surface load(const embedded::Picture& picture) { return Surface::fromBmp(picture.file, picture.name); }

int channel(std::uint32_t colour, int index) { return int((colour >> (8 * index)) & 0xFF); }

TEST(LevelMap, EmbeddedMapDecodesToTheLevel)
{
    MapCells cells;
    decodeMap(load(embedded::map), cells);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const char expected = level[std::size_t(y)][x];
            ASSERT_EQ(cells(x, y), expected == '.' ? 0 : expected - '0') << "cell (" << x << ", " << y << ")";
        }
    }
}

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

TEST(WallTextures, RightHalfIsTheFaceAtSixTenths)
{
    for (const embedded::Picture* picture :
         {&embedded::texture1, &embedded::texture2, &embedded::texture3, &embedded::texture4, &embedded::texture5}) {
        const Surface texture = load(*picture);
        ASSERT_EQ(texture.ScaleWidth(), 128) << picture->name;
        ASSERT_EQ(texture.ScaleHeight(), 64) << picture->name;
        int mismatches = 0;
        for (int y = 0; y < 64; ++y) {
            for (int c = 0; c < 64; ++c) {
                const std::uint32_t face = GetPixel(texture.hDC(), c, y);
                const std::uint32_t shaded = GetPixel(texture.hDC(), 64 + c, y);
                for (int i = 0; i < 3; ++i) mismatches += channel(shaded, i) != std::lround(channel(face, i) * 0.6);
            }
        }
        EXPECT_EQ(mismatches, 0) << picture->name;
    }
}

TEST(Backdrop, RowsAreBandsWithinOneOfTheirBase)
{
    constexpr std::array<int, 32> ceiling{171, 169, 167, 164, 162, 159, 156, 152, 149, 145, 141, 137, 133, 129, 124, 120,
                                          116, 112, 107, 103, 99,  95,  91,  87,  84,  80,  77,  74,  71,  69,  67,  65};
    // Green and blue of each floor row.
    constexpr std::array<int, 64> floor{
        86,  46,  86,  46,  87,  47,  89,  49,  90,  51,  92,  53,  93,  55,  96,  58,  98,  60,  100, 63,  102, 66,
        104, 69,  107, 72,  109, 75,  112, 78,  115, 81,  117, 84,  120, 88,  122, 91,  125, 94,  128, 97,  130, 100,
        133, 103, 135, 106, 137, 109, 139, 112, 142, 114, 143, 117, 145, 119, 147, 121, 148, 123, 150, 125};
    const Surface backdrop = load(embedded::backdrop);
    ASSERT_EQ(backdrop.ScaleWidth(), 64);
    ASSERT_EQ(backdrop.ScaleHeight(), 64);
    for (int y = 0; y < 64; ++y) {
        const std::array<int, 3> base = y < 32 ? std::array{ceiling[y], ceiling[y], ceiling[y]}
                                               : std::array{0, floor[2 * (y - 32)], floor[2 * (y - 32) + 1]};
        const bool uniform = y == 0 || y == 31 || y == 32 || y == 33 || y == 46;
        for (int x = 0; x < 64; ++x) {
            for (int i = 0; i < 3; ++i) {
                ASSERT_LE(std::abs(channel(GetPixel(backdrop.hDC(), x, y), i) - base[std::size_t(i)]), uniform ? 0 : 1)
                    << "pixel (" << x << ", " << y << ") channel " << i;
            }
        }
    }
}

}  // namespace
