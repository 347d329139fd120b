// SPDX-License-Identifier: MIT
// The program's own pictures: the tools that check and paint them before
// they are compiled in, their names, and the size check at start-up.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "assets/embedded_pictures.h"
#include "assets/picture_names.h"
#include "tests/fake_platform.h"
#include "tests/fixture_pictures.h"
#include "tests/runtime_error.h"
#include "tests/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

// Whole paths, drive included: the commands below run from another folder,
// which under Windows may lie on another drive.
const std::string levelCheck = fs::absolute(LEVEL_CHECK).string();
const std::string makePictures = (fs::absolute(LEVEL_CHECK).parent_path() / "make_pictures").string();

void write(const fs::path& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
}

// The build checks the map, the backdrop and each texture, each by its own
// size, the map as the program checks a level (whose lines the level picture
// test looks at); each picture's lines end with its count.
TEST(PictureTools, LevelCheckReportsEachPictureAndFailsOnAnError)
{
    const ScratchFolder folder;
    std::vector<unsigned char> map = fixtureBytes("map.bmp");
    paintCell(map, 20, 40, 237, 28, 36);
    write(folder.path / "warned.bmp", map);
    paintCell(map, 63, 14, 0, 0, 0);
    write(folder.path / "map.bmp", map);
    fs::create_directory(folder.path / "texture.bmp");
    const std::string backdrop = " \"" + fs::absolute(fixturePath("backdrop.bmp")).string() + "\"";

    const auto [status, output] = folder.run(levelCheck + " map.bmp" + backdrop + " texture.bmp");
    EXPECT_EQ(status, 1);
    for (const std::string line : {"map.bmp: 2 errors, 0 warnings\n", "backdrop.bmp: 0 errors, 0 warnings\n",
                                   "texture.bmp: error: is a directory\n", "texture.bmp: 1 error, 0 warnings\n"}) {
        EXPECT_NE(output.find(line), std::string::npos) << line << " is missing from\n" << output;
    }

    // The build's option to let the level rely on the repeat rule.
    const auto [warnStatus, warnOutput] = folder.run(levelCheck + " --unknown-colours-warn warned.bmp" + backdrop);
    EXPECT_EQ(warnStatus, 0) << warnOutput;
    EXPECT_NE(warnOutput.find("warned.bmp: 0 errors, 1 warning\n"), std::string::npos) << warnOutput;
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

// Neither tool takes an option, and the level check wants the backdrop as
// well as the map. (Any failing status will do: under Wine the one the
// shell reports is now and then not the tool's.)
TEST(PictureTools, AnswerHelpAndWrongArgumentsWithUsageAndWriteNothing)
{
    const ScratchFolder folder;
    for (const std::string& command : {makePictures, makePictures + " --help", levelCheck + " --help",
                                      levelCheck + " map.bmp", levelCheck + " -o out map.bmp"}) {
        const auto [status, output] = folder.run(command);
        EXPECT_NE(status, 0) << command;
        EXPECT_TRUE(output.starts_with("usage: ")) << command << ": " << output;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), {}), 1) << "only output.log";
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
