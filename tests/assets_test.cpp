#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>

#include "assets/embedded_pictures.h"
#include "assets/map_cells.h"
#include "assets/map_decoding.h"
#include "render/gdi.h"
#include "render/surface.h"

namespace {

// The level as it must decode: "." is open floor, a digit the wall code.
constexpr std::array<const char*, 64> level{
    "2242222222222222222222222222222222222222222222222222222222222222",
    "2...2.....1...........2.............21111111...................2",
    "22.22221111...........2........................................2",
    "2.........1..2222222..2.............2......2...................2",
    "3.........1..111.2.2..2........................................2",
    "2..55.55..1....15252..2.............21111111...................2",
    "3..5...5..1....1.2.2..2.....11111...2......2...................2",
    "2.........211..1......2.....15..1...2......2.......55.55.......2",
    "3..5...5.......1......2.....111.1...2......2.......5...5.......2",
    "2..55.55.......1......2.....111.1...2......2...................2",
    "3.........211111...2222.............2......2.......5...5.......2",
    "2.........2....3...3111.............2......2....55.55.55.55....2",
    "2222.222222....3.3.3..3.............2......2....5...5.5...5....2",
    "2.2..24..11......3....3.............2......2...................2",
    "2.2..24.11............3.............2......2....5...5.5...5....2",
    "2....24.1.....13333333322222.2......2......2....55.55.55.55....2",
    "2222.24.......1............2.2......2......2.......5...5.......2",
    "2....24.1.....1............2.22222222......2...................2",
    "2..2224.11...11............2........2......2.......5...5.......2",
    "2....24..11.11..222222222..2.222222.2......2.......55.55.......2",
    "2....245........2......11..222...2..2......2...................2",
    "2.11.244444444441.1111.11......2....2......2...................2",
    "2.1..211111111111.1113.31..2222222222......2...................2",
    "2.1...............1........2...............2...................2",
    "2.11..55.5.5.5.5..1........2...............2...................2",
    "2.....55.5.5.5.5..1........2...............2...................2",
    "2.................1222222222...............2.....333333333.....2",
    "2111111111111111111........................2.....3.......3.....2",
    "2..........................................2.....3.......3.....2",
    "2..........................................2.....3333.3333.....2",
    "2..........................................2.....3..3.3..3.....2",
    "2..........................................2.....3.......3.....2",
    "2..........................................2.....3..3.3..3.....2",
    "2..........................................2.....3333.3333.....2",
    "2..........................................2.....3..3.3..3.....2",
    "2..........................................2.....3..3.3.13.....2",
    "2..........................................2.....3.......3.....2",
    "2..........................................2.....3..3.3..3.....2",
    "2..........................................2.....3.13.3..3.....2",
    "2..........................................2.....3..3.3.13.....2",
    "2..........................................2.....3..3.3..3.....2",
    "2..........................................2.....3..3.3..3.....2",
    "2..........................................2.....3..3.31.3.....2",
    "2..........................................2.....31.3.31.3.....2",
    "2..........................................2.....3..3.3..3.....2",
    "2..........................................2.....3..3.3..3.....2",
    "2..........................................2.....3..3.3.13.....2",
    "2..........................................2.....3.13.3..3.....2",
    "2..........................................2.....3..3.3..3.....2",
    "2..........................................2.....3..3.31.3.....2",
    "2..........................................2.....3333.3333.....2",
    "2..........................................2...................2",
    "2..........................................2...................2",
    "2..........................................2...................2",
    "2..........................................2...................2",
    "2..........................................2...................2",
    "2..........................................2...................2",
    "2..........................................2...................2",
    "2..........................................2...................2",
    "2..........................................2...................2",
    "2..........................................2...................2",
    "2..........................................2...................2",
    "2..........................................2...................2",
    "2222222222222222222222222222222222222222222222222222222222222222",
};

Surface load(const embedded::Picture& picture) { return Surface::fromBmp(picture.file, picture.name); }

// Writes a colour given as 0x00BBGGRR, the form GetPixel answers in.
void paint(const Surface& surface, int x, int y, std::uint32_t colour)
{
    const DeviceContext dc = surface.hDC();
    dc.pixels[y * dc.pitch + x] = ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

int channel(std::uint32_t colour, int index) { return int((colour >> (8 * index)) & 0xFF); }

constexpr std::uint32_t yellow = 0x0000FFFF;
constexpr std::uint32_t white = 0x00FFFFFF;
constexpr std::uint32_t blue = 0x00FF0000;
constexpr std::uint32_t green = 0x0000FF00;
constexpr std::uint32_t unlisted = 0x00123456;

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
    EXPECT_EQ(cells(2, 0), 4);
    EXPECT_EQ(cells(0, 4), 3);
    EXPECT_EQ(cells(2, 2), 0);
}

TEST(LevelMap, UnlistedColourRepeatsThePixelReadBefore)
{
    Surface picture(64, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) paint(picture, x, y, white);
    }
    paint(picture, 0, 0, unlisted);                 // nothing read before: open floor
    paint(picture, 4, 63, blue);
    paint(picture, 5, 0, unlisted);                 // the top of a column follows the previous column's bottom
    paint(picture, 5, 6, green);
    paint(picture, 5, 7, unlisted);                 // otherwise the pixel above
    paint(picture, 7, 2, yellow);
    paint(picture, 7, 3, 0x000000FE);               // (254, 0, 0) is not red
    paint(picture, 9, 9, 0x000000FF);               // packed red in the low byte
    paint(picture, 9, 10, 0x00FF0000);              // and blue in the high byte
    MapCells cells;
    decodeMap(picture, cells);
    EXPECT_EQ(cells(0, 0), 0);
    EXPECT_EQ(cells(0, 1), 2);
    EXPECT_EQ(cells(5, 0), 4);
    EXPECT_EQ(cells(5, 7), 5);
    EXPECT_EQ(cells(7, 3), 1);
    EXPECT_EQ(cells(9, 9), 3);
    EXPECT_EQ(cells(9, 10), 4);
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
                for (int i = 0; i < 3; ++i) {
                    mismatches += channel(shaded, i) != std::lround(channel(face, i) * 0.6);
                }
            }
        }
        EXPECT_EQ(mismatches, 0) << picture->name;
    }
}

TEST(Backdrop, RowsAreBandsWithinOneOfTheirBase)
{
    constexpr std::array<int, 32> ceiling{171, 169, 167, 164, 162, 159, 156, 152, 149, 145, 141,
                                          137, 133, 129, 124, 120, 116, 112, 107, 103, 99,  95,
                                          91,  87,  84,  80,  77,  74,  71,  69,  67,  65};
    constexpr std::array<int, 64> floor{86,  46,  86,  46,  87,  47,  89,  49,  90,  51,  92,  53,  93,
                                        55,  96,  58,  98,  60,  100, 63,  102, 66,  104, 69,  107, 72,
                                        109, 75,  112, 78,  115, 81,  117, 84,  120, 88,  122, 91,  125,
                                        94,  128, 97,  130, 100, 133, 103, 135, 106, 137, 109, 139, 112,
                                        142, 114, 143, 117, 145, 119, 147, 121, 148, 123, 150, 125};
    const Surface backdrop = load(embedded::backdrop);
    ASSERT_EQ(backdrop.ScaleWidth(), 64);
    ASSERT_EQ(backdrop.ScaleHeight(), 64);
    EXPECT_EQ(GetPixel(backdrop.hDC(), 0, 0), 0x00ABABABu);
    EXPECT_EQ(GetPixel(backdrop.hDC(), 0, 31), 0x00414141u);
    EXPECT_EQ(GetPixel(backdrop.hDC(), 0, 32), 0x002E5600u);
    for (int y = 0; y < 64; ++y) {
        const std::array<int, 3> base = y < 32 ? std::array{ceiling[y], ceiling[y], ceiling[y]}
                                               : std::array{0, floor[2 * (y - 32)], floor[2 * (y - 32) + 1]};
        const bool uniform = y == 0 || y == 31 || y == 32 || y == 33 || y == 46;
        for (int x = 0; x < 64; ++x) {
            const std::uint32_t colour = GetPixel(backdrop.hDC(), x, y);
            for (int i = 0; i < 3; ++i) {
                ASSERT_LE(std::abs(channel(colour, i) - base[std::size_t(i)]), uniform ? 0 : 1)
                    << "pixel (" << x << ", " << y << ") channel " << i;
            }
        }
    }
}

TEST(PictureFiles, HaveTheirExactSizes)
{
    const std::filesystem::path assets = std::filesystem::path(QUENTAVOX_SOURCE_DIR) / "assets";
    EXPECT_EQ(std::filesystem::file_size(assets / "map.bmp"), 12342u);
    EXPECT_EQ(std::filesystem::file_size(assets / "backdrop.bmp"), 12342u);
    for (int n = 1; n <= 5; ++n) {
        const std::string name = "texture" + std::to_string(n) + ".bmp";
        EXPECT_EQ(std::filesystem::file_size(assets / name), 24630u) << name;
    }
}

}  // namespace
