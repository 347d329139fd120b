#include "assets/level_rules.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "assets/embedded_pictures.h"
#include "assets/map_cells.h"
#include "assets/map_decoding.h"

namespace {

Surface validLevel() { return Surface::fromBmp(embedded::map.file, embedded::map.name); }

// Writes a colour given as 0x00BBGGRR, the form GetPixel answers in.
void paint(const Surface& surface, int x, int y, std::uint32_t colour)
{
    const DeviceContext dc = surface.hDC();
    dc.pixels[y * dc.pitch + x] = ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

bool mentions(const std::vector<std::string>& messages, const std::string& text)
{
    return std::any_of(messages.begin(), messages.end(),
                       [&](const std::string& m) { return m.find(text) != std::string::npos; });
}

TEST(LevelRules, TheStoredLevelIsClean)
{
    const LevelReport report = checkLevel(validLevel());
    EXPECT_TRUE(report.errors.empty());
    EXPECT_TRUE(report.warnings.empty());
}

TEST(LevelRules, RejectsAPictureOfTheWrongSize)
{
    const LevelReport report = checkLevel(Surface(64, 63));
    ASSERT_EQ(report.errors.size(), 1u);
    EXPECT_NE(report.errors[0].find("64 x 63"), std::string::npos);
}

TEST(LevelRules, RejectsAnOpenBorderAndAClosedStart)
{
    const Surface picture = validLevel();
    paint(picture, 63, 17, 0x00000000);
    paint(picture, 2, 2, 0x00FFFFFF);
    const LevelReport report = checkLevel(picture);
    EXPECT_EQ(report.errors.size(), 2u);
    EXPECT_TRUE(mentions(report.errors, "pixel (63, 17): open cell on the outer ring"));
    EXPECT_TRUE(mentions(report.errors, "pixel (2, 2): the start cell must be open"));
}

TEST(LevelRules, WarnsOnUnlistedColoursOnly)
{
    // Every colour the decoder knows passes without a warning.
    const Surface picture = validLevel();
    const std::array<std::uint32_t, 6> listed{0x00000000, 0x0000FFFF, 0x00FFFFFF, 0x000000FF, 0x00FF0000, 0x0000FF00};
    for (int i = 0; i < 6; ++i) paint(picture, 10 + i, 40, listed[std::size_t(i)]);
    EXPECT_TRUE(checkLevel(picture).warnings.empty());

    paint(picture, 20, 40, 0x000000FE);
    const LevelReport report = checkLevel(picture);
    EXPECT_TRUE(report.errors.empty());
    ASSERT_EQ(report.warnings.size(), 1u);
    EXPECT_NE(report.warnings[0].find("pixel (20, 40): colour (254, 0, 0)"), std::string::npos);
}

struct ToolRun {
    int status;
    std::string output;
};

ToolRun levelCheck(const std::filesystem::path& file)
{
    const std::filesystem::path log = std::filesystem::temp_directory_path() / "level_check_test.log";
    const std::string command = std::string(LEVEL_CHECK) + " '" + file.string() + "' > '" + log.string() + "' 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream in(log);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, {std::istreambuf_iterator<char>(in), {}}};
}

TEST(LevelCheckTool, NamesAFileThatIsNotAPicture)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::filesystem::path truncated = folder / "level_check_truncated.bmp";
    const std::filesystem::path text = folder / "level_check_text.bmp";
    std::ofstream(truncated, std::ios::binary)
        .write(reinterpret_cast<const char*>(embedded::map.file.data()), 1000);
    std::ofstream(text) << "not a picture\n";

    for (const auto& file : {truncated, text}) {
        const ToolRun run = levelCheck(file);
        EXPECT_EQ(run.status, 1) << file;
        EXPECT_NE(run.output.find(file.string() + ": error:"), std::string::npos) << run.output;
        std::filesystem::remove(file);
    }
}

}  // namespace
