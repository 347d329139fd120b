// SPDX-License-Identifier: MIT
// Levels from outside the program: what the one check answers, and how the
// window takes a level or refuses it.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "assets/level_picture.h"
#include "assets/map_decoding.h"
#include "tests/fixture_pictures.h"
#include "tests/pixels.h"
#include "tests/scratch_folder.h"
#include "tests/started_form.h"

namespace {

// The fixture level as stored: 24 bits, bottom row first, no row padding.
std::vector<unsigned char> fixtureLevel() { return fixtureBytes("map.bmp"); }

void paintCell(std::vector<unsigned char>& bmp, int x, int y, unsigned char red, unsigned char green,
               unsigned char blue)
{
    const std::size_t at = 54 + std::size_t(63 - y) * 192 + std::size_t(x) * 3;
    bmp[at] = blue;
    bmp[at + 1] = green;
    bmp[at + 2] = red;
}

void putNumber(std::vector<unsigned char>& bmp, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) bmp[at + std::size_t(i)] = static_cast<unsigned char>(value >> (8 * i));
}

TEST(LevelPicture, AnAcceptedPictureComesWithItsLevelAndARefusedOneWithTheLinesOnly)
{
    const LevelPicture good = checkLevelPicture(fixtureLevel(), "good.bmp");
    ASSERT_TRUE(good.picture);
    MapCells fixtureCells;
    decodeMap(loadFixture("map.bmp"), fixtureCells);
    EXPECT_TRUE(good.mapCells == fixtureCells);
    EXPECT_EQ(good.lines, "good.bmp: 0 errors, 0 warnings\n");

    // Seven holes in the top border and a wall on the start: five holes by
    // name, the rest counted, as the build's check prints them.
    std::vector<unsigned char> bmp = fixtureLevel();
    for (int x = 10; x < 17; ++x) paintCell(bmp, x, 0, 0, 0, 0);
    paintCell(bmp, 2, 2, 255, 255, 255);
    const LevelPicture broken = checkLevelPicture(bmp, "broken.bmp");
    EXPECT_FALSE(broken.picture);
    EXPECT_EQ(broken.lines,
              "broken.bmp: error: pixel (10, 0): open cell on the outer ring; the border must be wall so rays and "
              "movement never leave the grid\n"
              "broken.bmp: error: pixel (11, 0): open cell on the outer ring; the border must be wall so rays and "
              "movement never leave the grid\n"
              "broken.bmp: error: pixel (12, 0): open cell on the outer ring; the border must be wall so rays and "
              "movement never leave the grid\n"
              "broken.bmp: error: pixel (13, 0): open cell on the outer ring; the border must be wall so rays and "
              "movement never leave the grid\n"
              "broken.bmp: error: pixel (14, 0): open cell on the outer ring; the border must be wall so rays and "
              "movement never leave the grid\n"
              "broken.bmp: error: and 2 more pixels like this\n"
              "broken.bmp: error: pixel (2, 2): the start cell must be open floor, not wall code 2\n"
              "broken.bmp: 8 errors, 0 warnings\n");

    // Where the build lets unknown colours through, they only warn.
    std::vector<unsigned char> offColour = fixtureLevel();
    paintCell(offColour, 20, 40, 254, 0, 0);
    EXPECT_TRUE(checkLevelPicture(offColour, "warned.bmp", UnknownColours::Warning).picture);
    EXPECT_FALSE(checkLevelPicture(offColour, "warned.bmp").picture);
}

// Each problem in one true line: what the header says, or what SDL says,
// never the file's name twice.
TEST(LevelPicture, ABrokenFileIsRefusedInOneLineThatSaysWhatIsWrong)
{
    std::vector<unsigned char> negativeWidth = fixtureLevel();
    putNumber(negativeWidth, 18, std::uint32_t(-64));
    std::vector<unsigned char> narrowMasks = fixtureBytes("map_argb32.bmp");
    for (const auto& [at, mask] : {std::pair{54u, 0x00FE0000u}, {58u, 0x00008000u}, {62u, 0x000000FFu}}) {
        putNumber(narrowMasks, at, mask);
    }
    std::vector<unsigned char> oddBits = fixtureLevel();
    oddBits[28] = 7;
    const std::vector<unsigned char> level = fixtureLevel();
    const struct {
        std::vector<unsigned char> bytes;
        std::string line;
    } cases[] = {
        {negativeWidth, "has a negative width (-64), which no BMP file has"},
        {narrowMasks, "has 32 bits a pixel, but its colour masks keep only 7 bits of red, 1 of green and 8 of "
                      "blue, too few to hold the level colours exactly; save it with 8 bits a colour"},
        {oddBits, "cannot be decoded: 7-bpp BMP images are not supported"},
        {{level.begin(), level.begin() + 6000}, "ends after 6,000 bytes; its header needs 12,342"},
    };
    for (const auto& c : cases) {
        const LevelPicture refused = checkLevelPicture(c.bytes, "x.bmp");
        EXPECT_FALSE(refused.picture) << c.line;
        EXPECT_EQ(refused.lines, "x.bmp: error: " + c.line + "\nx.bmp: 1 error, 0 warnings\n");
    }
    EXPECT_EQ(readLevelPicture("no such level.bmp").lines,
              "no such level.bmp: error: does not exist\nno such level.bmp: 1 error, 0 warnings\n");
}

TEST(LevelSwitch, TheNewLevelIsPlayedFromWhereThePlayerStandsUnlessThatIsInsideAWall)
{
    StartedForm started(fixturePictures());
    frmMain& form = started.form;
    started.place(20.5f, 40.5f, 33);
    const std::uint32_t before = pixel(form.picMap.hDC(), 30, 40);

    // A wall elsewhere: the player keeps place and heading.
    std::vector<unsigned char> bmp = fixtureLevel();
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

    // A dropped file that cannot be read is refused in a dialog.
    form.Form_OLEDragDrop("no such level.bmp");
    ASSERT_EQ(started.platform.refusals.size(), 2u);
    EXPECT_EQ(started.platform.refusals[1].how, Platform::Refusal::InDialog);
    EXPECT_TRUE(started.platform.refusals[1].lines.starts_with("no such level.bmp: error: does not exist\n"));
}

// A picture that breaks the rules opens mended for editing, each mend named;
// one that is no picture of a level at all is refused as for play; one that
// is not there yet is a walled hall.
TEST(LevelPicture, ALevelToEditComesMendedUnlessItCannotBeRead)
{
    const ScratchFolder scratch;
    std::vector<unsigned char> bmp = fixtureLevel();
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
    MapCells expected;
    decodeMap(loadFixture("map.bmp"), expected);
    expected(5, 7) = 3;
    expected(0, 30) = borderWall;
    EXPECT_TRUE(edited.level->cells == expected);

    EXPECT_TRUE(readLevelToEdit((scratch.path / "new.bmp").string()).level->cells == walledHall());
    const LevelToEdit refused = readLevelToEdit(fixturePath("map_rgb565.bmp"));
    EXPECT_FALSE(refused.level);
    EXPECT_EQ(refused.lines, readLevelPicture(fixturePath("map_rgb565.bmp")).lines);
}

}  // namespace
