// SPDX-License-Identifier: MIT
// Levels from outside the program: the one check of a picture (its file,
// its colours, the level's rules and the lines that report them), how its
// colours become cells, and how the window takes a level or refuses it.

#include "assets/level_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "assets/map_decoding.h"
#include "assets/picture_file.h"
#include "tests/fixture_pictures.h"
#include "tests/pixels.h"
#include "tests/scratch_folder.h"
#include "tests/started_form.h"

namespace {

// The fixture level with 32-bit numbers of its header replaced.
std::vector<unsigned char> withNumbers(std::vector<unsigned char> bmp,
                                       std::initializer_list<std::pair<std::size_t, std::uint32_t>> numbers)
{
    for (const auto& [at, value] : numbers) {
        for (std::size_t i = 0; i < 4; ++i) bmp[at + i] = static_cast<unsigned char>(value >> (8 * i));
    }
    return bmp;
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Each problem in one true line, judged by the header before SDL decodes the
// file; what SDL says only where the header looks right. A file is named
// once, in front.
TEST(LevelPicture, ABrokenFileIsRefusedInOneLineThatSaysWhatIsWrong)
{
    const std::vector<unsigned char> level = fixtureBytes("map.bmp");
    const std::string text = "not a picture\n";
    const struct {
        std::vector<unsigned char> bytes;
        std::string problem;
    } cases[] = {
        {{}, "is empty"},
        {{level.begin(), level.begin() + 100}, "ends after 100 bytes; its header needs 12,342"},
        {{level.begin(), level.begin() + 10}, "ends after 10 bytes, inside its header"},
        {{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}, "is a PNG file, not a BMP"},
        {{text.begin(), text.end()}, "is not a BMP file"},
        {withNumbers(level, {{14, 125}}), "is not a BMP file: its header is 125 bytes long"},
        {withNumbers(level, {{18, 30000}, {22, 30000}}), "is 30000 x 30000 pixels; it must be 64 x 64"},
        {withNumbers(level, {{18, std::uint32_t(-64)}}), "has a negative width (-64), which no BMP file has"},
        {fixtureBytes("map_rgb565.bmp"),
         "has 16 bits a pixel, too few to hold the level colours exactly; save it with 24 or 32 bits a pixel"},
        {withNumbers(fixtureBytes("map_argb32.bmp"), {{54, 0x00FE0000}, {58, 0x00008000}, {62, 0x000000FF}}),
         "has 32 bits a pixel, but its colour masks keep only 7 bits of red, 1 of green and 8 of blue, too few to "
         "hold the level colours exactly; save it with 8 bits a colour"},
        {withNumbers(level, {{28, 7}}), "cannot be decoded: 7-bpp BMP images are not supported"},
    };
    for (const auto& c : cases) {
        const LevelPicture refused = checkLevelPicture(c.bytes, "x.bmp");
        EXPECT_FALSE(refused.picture) << c.problem;
        EXPECT_EQ(refused.lines, "x.bmp: error: " + c.problem + "\nx.bmp: 1 error, 0 warnings\n");
    }
    EXPECT_EQ(readLevelPicture("no such level.bmp").lines,
              "no such level.bmp: error: does not exist\nno such level.bmp: 1 error, 0 warnings\n");
    // Each picture has its own size, and only the level needs its colours exact.
    EXPECT_EQ(pictureProblem(level, texturePictureSize, false), "is 64 x 64 pixels; it must be 128 x 64");
    EXPECT_EQ(pictureProblem(fixtureBytes("map_rgb565.bmp"), backdropPictureSize, false), "");
}

// As image editors save them: 24 bits (the fixture), 32 bits with alpha
// (ImageMagick after any drawing) and without, 4-bit palette, 8-bit run
// lengths, and 24 bits stored top row first (a negative height).
TEST(LevelPicture, EveryFormatThatHoldsTheColoursExactlyGivesTheSameLevel)
{
    for (const std::string name :
         {"map.bmp", "map_argb32.bmp", "map_xrgb32.bmp", "map_palette4.bmp", "map_rle8.bmp", "map_topdown.bmp"}) {
        const LevelPicture level = checkLevelPicture(fixtureBytes(name), name);
        ASSERT_TRUE(level.picture) << level.lines;
        EXPECT_EQ(level.lines, name + ": 0 errors, 0 warnings\n");
        EXPECT_TRUE(level.mapCells == fixtureCells()) << name;
    }
}

TEST(LevelPicture, BrokenRulesNameTheirFirstFivePixelsAndCountTheRest)
{
    // Every level colour, which breaks nothing; ten holes in the border, a
    // wall on the start, a paint program's red and (254, 0, 0).
    std::vector<unsigned char> bmp = fixtureBytes("map.bmp");
    for (std::size_t i = 0; i < levelColours.size(); ++i) {
        const std::uint32_t bgr = levelColours[i].colour;
        paintCell(bmp, 10 + int(i), 40, bgr & 0xFF, (bgr >> 8) & 0xFF, bgr >> 16);
    }
    for (const auto& [x, y] : {std::pair{63, 17}, {0, 30}, {31, 63}}) paintCell(bmp, x, y, 0, 0, 0);
    for (int x = 10; x < 17; ++x) paintCell(bmp, x, 0, 0, 0, 0);
    paintCell(bmp, 2, 2, 255, 255, 255);
    paintCell(bmp, 20, 40, 237, 28, 36);
    paintCell(bmp, 21, 40, 254, 0, 0);
    const LevelPicture broken = checkLevelPicture(bmp, "broken.bmp");
    EXPECT_FALSE(broken.picture);
    // In the order the decoder reads the pixels: column by column.
    const std::vector<std::string> expected{
        "pixel (0, 30): open cell on the outer ring; the border must be wall so rays and movement never leave the grid",
        "pixel (10, 0): open cell", "pixel (11, 0): open cell", "pixel (12, 0): open cell", "pixel (13, 0): open cell",
        "and 5 more pixels like this",
        "pixel (2, 2): the start cell must be open floor, not wall code 2",
        "pixel (20, 40): colour (237, 28, 36) is not a level colour; the nearest is red (255, 0, 0)",
        "pixel (21, 40): colour (254, 0, 0) is not a level colour; the nearest is red (255, 0, 0)"};
    const std::vector<std::string> lines = linesOf(broken.lines);
    ASSERT_EQ(lines.size(), expected.size() + 1) << broken.lines;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_TRUE(lines[i].starts_with("broken.bmp: error: " + expected[i])) << lines[i];
    }
    EXPECT_EQ(lines.back(), "broken.bmp: 13 errors, 0 warnings");

    // Where the build lets unknown colours through, they only warn, and the
    // cell takes the code of the green wall just above it.
    std::vector<unsigned char> offColour = fixtureBytes("map.bmp");
    paintCell(offColour, 20, 39, 0, 255, 0);
    paintCell(offColour, 20, 40, 237, 28, 36);
    EXPECT_FALSE(checkLevelPicture(offColour, "w.bmp").picture);
    const LevelPicture warned = checkLevelPicture(offColour, "w.bmp", UnknownColours::Warning);
    ASSERT_TRUE(warned.picture);
    EXPECT_TRUE(warned.lines.ends_with("(255, 0, 0); the cell repeats the code of the pixel read before it (5)\n"
                                       "w.bmp: 0 errors, 1 warning\n"))
        << warned.lines;
    EXPECT_EQ(warned.mapCells(20, 40), 5);
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
    for (const Paint& p : paints) pixel(dc, p.x, p.y) = p.colour;
    MapCells cells;
    decodeMap(picture, cells);
    for (const Paint& p : paints) EXPECT_EQ(cells(p.x, p.y), p.code) << p.x << ", " << p.y;
}

TEST(LevelSwitch, TheNewLevelIsPlayedFromWhereThePlayerStandsUnlessThatIsInsideAWall)
{
    StartedForm started(fixturePictures());
    frmMain& form = started.form;
    started.place(20.5f, 40.5f, 33);
    const std::uint32_t before = pixel(form.picMap.hDC(), 30, 40);

    // A wall elsewhere: the player keeps place and heading.
    std::vector<unsigned char> bmp = fixtureBytes("map.bmp");
    paintCell(bmp, 30, 40, 255, 0, 0);
    EXPECT_TRUE(form.OpenLevel(checkLevelPicture(bmp, "a.bmp"), Platform::Refusal::InDialog));
    EXPECT_EQ(started.state.mapCells(30, 40), 3);
    EXPECT_NE(pixel(form.picMap.hDC(), 30, 40), before);
    EXPECT_EQ(started.state.playerX, 20.5f);
    EXPECT_EQ(started.state.playerAngle, 33);

    // A refused picture changes nothing and says why, as it was asked to.
    const GameState kept = started.state;
    paintCell(bmp, 0, 30, 0, 0, 0);
    EXPECT_FALSE(form.OpenLevel(checkLevelPicture(bmp, "b.bmp"), Platform::Refusal::OnStderr));
    EXPECT_TRUE(started.state.mapCells == kept.mapCells);
    EXPECT_EQ(started.state.playerX, kept.playerX);
    EXPECT_NE(pixel(form.picMap.hDC(), 30, 40), before);
    ASSERT_EQ(started.platform.refusals.size(), 1u);
    EXPECT_EQ(started.platform.refusals[0].lines, checkLevelPicture(bmp, "b.bmp").lines);
    EXPECT_EQ(started.platform.refusals[0].how, Platform::Refusal::OnStderr);

    // A wall where the player stands: back to the start, facing as at start-up.
    paintCell(bmp, 0, 30, 255, 255, 255);
    paintCell(bmp, 20, 40, 0, 0, 255);
    EXPECT_TRUE(form.OpenLevel(checkLevelPicture(bmp, "c.bmp"), Platform::Refusal::InDialog));
    EXPECT_EQ(started.state.playerX, 2.5f);
    EXPECT_EQ(started.state.playerY, 2.5f);
    EXPECT_EQ(started.state.playerAngle, 0);
}

// A picture that breaks the rules opens mended for editing, each mend named;
// one that is no picture of a level at all is refused as for play; one that
// is not there yet is a walled hall.
TEST(LevelPicture, ALevelToEditComesMendedUnlessItCannotBeRead)
{
    const ScratchFolder scratch;
    std::vector<unsigned char> bmp = fixtureBytes("map.bmp");
    paintCell(bmp, 0, 30, 0, 0, 0);
    paintCell(bmp, 2, 2, 255, 0, 0);
    paintCell(bmp, 5, 7, 237, 28, 36);
    const std::string name = (scratch.path / "broken.bmp").string();
    std::ofstream(name, std::ios::binary).write(reinterpret_cast<const char*>(bmp.data()), std::streamsize(bmp.size()));
    const LevelToEdit edited = readLevelToEdit(name);
    ASSERT_TRUE(edited.level);
    EXPECT_EQ(edited.lines, name + ": mended: pixel (5, 7): colour (237, 28, 36) is not a level colour; read as red "
                                   "(255, 0, 0)\n" +
                                name + ": mended: pixel (0, 30): open cell on the outer ring; walled (white)\n" + name +
                                ": mended: pixel (2, 2): the start cell was wall code 3; opened\n");
    MapCells expected = fixtureCells();
    expected(5, 7) = 3;
    expected(0, 30) = borderWall;
    EXPECT_TRUE(edited.level->cells == expected);

    EXPECT_TRUE(readLevelToEdit((scratch.path / "new.bmp").string()).level->cells == walledHall());
    const LevelToEdit refused = readLevelToEdit(fixturePath("map_rgb565.bmp"));
    EXPECT_FALSE(refused.level);
    EXPECT_EQ(refused.lines, readLevelPicture(fixturePath("map_rgb565.bmp")).lines);
}

}  // namespace
