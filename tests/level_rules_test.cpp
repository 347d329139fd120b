// SPDX-License-Identifier: MIT
#include "assets/level_rules.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "assets/map_cells.h"
#include "assets/map_decoding.h"
#include "assets/picture_file.h"
#include "assets/picture_names.h"
#include "assets/picture_sizes.h"
#include "tests/fixture_pictures.h"
#include "tests/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

// Whole paths, drive included: the commands below run from another folder,
// which under Windows may lie on another drive.
const std::string levelCheck = fs::absolute(LEVEL_CHECK).string();
const std::string makePictures = (fs::absolute(LEVEL_CHECK).parent_path() / "make_pictures").string();

void paint(const Surface& picture, int x, int y, std::uint32_t colour)  // colour as stored, 0x00RRGGBB
{
    const DeviceContext dc = picture.hDC();
    dc.pixels[y * dc.pitch + x] = colour;
}

TEST(LevelRules, NamesThePixelOfEachBrokenRuleAndTheNearestLevelColourOfAnUnlistedOne)
{
    const Surface picture = loadFixture("map.bmp");
    EXPECT_TRUE(checkLevel(picture).empty());

    // Every colour the decoder knows, then a paint program's default red
    // and (254, 0, 0), a hole in each side of the border and a wall on the
    // start.
    for (std::size_t i = 0; i < levelColours.size(); ++i) {
        const std::uint32_t bgr = levelColours[i].colour;
        paint(picture, 10 + int(i), 40, (bgr & 0xFF) << 16 | (bgr & 0xFF00) | bgr >> 16);
    }
    paint(picture, 20, 39, 0x0000FF00);
    paint(picture, 20, 40, 0x00ED1C24);
    paint(picture, 21, 40, 0x00FE0000);
    for (const auto& [x, y] : {std::pair{63, 17}, {0, 30}, {31, 0}, {31, 63}}) paint(picture, x, y, 0x00000000);
    paint(picture, 2, 2, 0x00FFFFFF);
    const std::vector<BrokenRule> broken = checkLevel(picture);
    ASSERT_EQ(broken.size(), 3u);
    const std::vector<std::string> expected[] = {
        {"pixel (0, 30): open cell on the outer ring", "pixel (31, 0): open", "pixel (31, 63): open",
         "pixel (63, 17): open"},
        {"pixel (2, 2): the start cell must be open floor, not wall code 2"},
        {"pixel (20, 40): colour (237, 28, 36) is not a level colour; the nearest is red (255, 0, 0)",
         "pixel (21, 40): colour (254, 0, 0) is not a level colour; the nearest is red (255, 0, 0)"}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(broken[i].isError) << i;
        ASSERT_EQ(broken[i].pixels.size(), expected[i].size());
        for (std::size_t j = 0; j < expected[i].size(); ++j) {
            EXPECT_TRUE(broken[i].pixels[j].starts_with(expected[i][j])) << broken[i].pixels[j];
        }
    }

    // Where a level relies on the decoder's rule, the colour only warns and
    // says which code the cell takes: that of the green wall just above it.
    const BrokenRule warned = checkLevel(picture, UnknownColours::Warning).back();
    EXPECT_FALSE(warned.isError);
    ASSERT_EQ(warned.pixels.size(), 2u);
    EXPECT_EQ(warned.pixels[0], expected[2][0] + "; the cell repeats the code of the pixel read before it (5)");
}

TEST(PictureFile, RefusesABrokenFileInPlainWordsBeforeDecodingIt)
{
    const ScratchFolder folder;
    const std::vector<unsigned char> map = fixtureBytes("map.bmp");
    std::vector<unsigned char> huge = map;
    for (const std::size_t at : {18, 22}) {  // 30000 wide and high
        huge[at] = 0x30;
        huge[at + 1] = 0x75;
    }
    std::vector<unsigned char> longHeader = map;
    longHeader[14] = 125;  // one byte past the longest version's header
    const std::string text = "not a picture\n";
    const struct {
        std::vector<unsigned char> bytes;
        PictureSize wanted;
        std::string problem;
    } cases[] = {
        {{}, mapPictureSize, "is empty"},
        {{map.begin(), map.begin() + 100}, mapPictureSize, "ends after 100 bytes; its header needs 12,342"},
        {{map.begin(), map.begin() + 10}, mapPictureSize, "ends after 10 bytes, inside its header"},
        {{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}, mapPictureSize, "is a PNG file, not a BMP"},
        {{text.begin(), text.end()}, mapPictureSize, "is not a BMP file"},
        {longHeader, mapPictureSize, "is not a BMP file: its header is 125 bytes long"},
        {map, texturePictureSize, "is 64 x 64 pixels; it must be 128 x 64"},
        {huge, texturePictureSize, "is 30000 x 30000 pixels; it must be 128 x 64"},
        {fixtureBytes("map_rgb565.bmp"), mapPictureSize,
         "has 16 bits a pixel, too few to hold the level colours exactly; save it with 24 or 32 bits a pixel"},
    };
    const fs::path file = folder.path / "picture.bmp";
    for (const auto& c : cases) {
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(c.bytes.data()), std::ssize(c.bytes));
        EXPECT_EQ(readPictureFile(file, c.wanted, true).problem, c.problem);
    }
    // Only the level needs its colours exact.
    EXPECT_EQ(readPictureFile(file, backdropPictureSize, false).problem, "");
    fs::remove(file);
    EXPECT_EQ(readPictureFile(file, mapPictureSize, true).problem, "does not exist");
    fs::create_directory(file);
    EXPECT_EQ(readPictureFile(file, mapPictureSize, true).problem, "is a directory");
}

TEST(PictureFile, EveryFormatThatHoldsTheColoursExactlyGivesTheSameLevel)
{
    // As image editors save them: 32 bits with alpha (ImageMagick after any
    // drawing) and without, 4-bit palette, 8-bit run lengths, and 24 bits
    // stored top row first (a negative height).
    MapCells level;
    decodeMap(loadFixture("map.bmp"), level);
    for (const char* name :
         {"map_argb32.bmp", "map_xrgb32.bmp", "map_palette4.bmp", "map_rle8.bmp", "map_topdown.bmp"}) {
        const PictureFile file = readPictureFile(fixturePath(name), mapPictureSize, true);
        ASSERT_EQ(file.problem, "") << name;
        MapCells cells;
        decodeMap(Surface::fromBmp(file.bytes, name), cells);
        EXPECT_TRUE(cells == level) << name;
    }
}

TEST(PictureTools, LevelCheckCountsEachPictureAndCapsRepeatedMessages)
{
    const ScratchFolder folder;
    // Six holes in the right-hand border and five pixels of a paint
    // program's default red.
    const Surface picture = loadFixture("map.bmp");
    for (int y = 10; y < 16; ++y) paint(picture, 63, y, 0);
    for (int x = 20; x < 25; ++x) paint(picture, x, 40, 0x00ED1C24);
    ASSERT_EQ(SDL_SaveBMP(picture.image(), (folder.path / "map.bmp").string().c_str()), 0) << SDL_GetError();
    fs::create_directory(folder.path / "texture.bmp");
    const std::string backdrop = " \"" + fs::absolute(fixturePath("backdrop.bmp")).string() + "\"";

    const auto [status, output] = folder.run(levelCheck + " map.bmp" + backdrop + " texture.bmp");
    EXPECT_EQ(status, 1);
    for (const std::string line :
         {"map.bmp: error: pixel (63, 14): open cell", "map.bmp: error: and 1 more pixel like this\n",
          "map.bmp: error: pixel (24, 40): colour (237, 28, 36) is not a level colour; the nearest is red",
          "map.bmp: 11 errors, 0 warnings\n", "backdrop.bmp: 0 errors, 0 warnings\n",
          "texture.bmp: error: is a directory\n", "texture.bmp: 1 error, 0 warnings\n"}) {
        EXPECT_NE(output.find(line), std::string::npos) << line << " is missing from\n" << output;
    }
    EXPECT_EQ(output.find("(63, 15)"), std::string::npos) << output;
    // Exactly as many pixels as are named leave nothing to sum up.
    EXPECT_EQ(output.find("like this"), output.rfind("like this")) << output;

    // The build's option to let the level rely on the repeat rule.
    for (int y = 10; y < 16; ++y) paint(picture, 63, y, 0x00FFFFFF);
    ASSERT_EQ(SDL_SaveBMP(picture.image(), (folder.path / "map.bmp").string().c_str()), 0) << SDL_GetError();
    const auto [warnStatus, warnOutput] = folder.run(levelCheck + " --unknown-colours-warn map.bmp" + backdrop);
    EXPECT_EQ(warnStatus, 0) << warnOutput;
    EXPECT_NE(warnOutput.find("map.bmp: warning: pixel (20, 40): colour (237, 28, 36)"), std::string::npos)
        << warnOutput;
    EXPECT_NE(warnOutput.find("map.bmp: 0 errors, 5 warnings\n"), std::string::npos) << warnOutput;
}

// The tool draws the backdrop and the textures of the first wall codes; a
// texture painted by hand has no drawing there.
TEST(PictureTools, PictureToolWritesTheFixtureTexturesAndBackdropButNoMap)
{
    const ScratchFolder folder;
    ASSERT_EQ(folder.run(makePictures + " out").first, 0);
    std::vector<std::string> names{std::string(backdropFileName)};
    for (std::size_t code = 1; code < textureSlots && fs::exists(folder.path / "out" / textureFileName(code)); ++code) {
        names.push_back(textureFileName(code));
    }
    EXPECT_GE(names.size(), 2u);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path / "out"), {}), std::ssize(names));
    for (const std::string& name : names) {
        EXPECT_TRUE(readFileBytes(folder.path / "out" / name) == fixtureBytes(name)) << name;
    }
}

TEST(PictureTools, AnswerHelpAndWrongArgumentsWithUsageAndWriteNothing)
{
    const ScratchFolder folder;
    for (const std::string& tool : {makePictures, levelCheck}) {
        for (const char* arguments : {"", "--help", "-o out"}) {
            const auto [status, output] = folder.run(tool + " " + arguments);
            EXPECT_NE(status, 0) << tool << " " << arguments;
            EXPECT_TRUE(output.starts_with("usage: ")) << tool << " " << arguments << ": " << output;
        }
    }
    // The level check wants the backdrop as well as the map.
    const auto [status, output] = folder.run(levelCheck + " map.bmp");
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(output.starts_with("usage: ")) << output;
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), {}), 1) << "only output.log";
}

}  // namespace
