#include "assets/level_rules.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "assets/embedded_pictures.h"

namespace {

Surface validLevel() { return Surface::fromBmp(embedded::map.file, embedded::map.name); }

// The exit code of a command run by std::system: sh reports a wait status,
// cmd.exe the code itself.
int exitCode(int status)
{
#ifdef _WIN32
    return status;
#else
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

bool mentions(const std::string& message, const std::string& text) { return message.find(text) != std::string::npos; }

TEST(LevelRules, NamesThePixelOfEachBrokenRuleAndWarnsOnUnlistedColoursOnly)
{
    ASSERT_EQ(checkLevel(Surface(64, 63)).errors.size(), 1u);
    EXPECT_TRUE(mentions(checkLevel(Surface(64, 63)).errors[0], "64 x 63"));

    const Surface picture = validLevel();
    const LevelReport clean = checkLevel(picture);
    EXPECT_TRUE(clean.errors.empty());
    EXPECT_TRUE(clean.warnings.empty());

    // Colours as the surface stores them, 0x00RRGGBB: the six the decoder
    // knows, then (254, 0, 0), a hole in the border and a wall on the start.
    const DeviceContext dc = picture.hDC();
    const auto paint = [&](int x, int y, std::uint32_t colour) { dc.pixels[y * dc.pitch + x] = colour; };
    const std::uint32_t listed[] = {0x00000000, 0x00FFFF00, 0x00FFFFFF, 0x00FF0000, 0x000000FF, 0x0000FF00};
    for (int i = 0; i < 6; ++i) paint(10 + i, 40, listed[i]);
    paint(20, 40, 0x00FE0000);
    paint(63, 17, 0x00000000);
    paint(2, 2, 0x00FFFFFF);
    const LevelReport report = checkLevel(picture);
    ASSERT_EQ(report.errors.size(), 2u);
    EXPECT_TRUE(mentions(report.errors[0], "pixel (63, 17): open cell on the outer ring"));
    EXPECT_TRUE(mentions(report.errors[1], "pixel (2, 2): the start cell must be open"));
    ASSERT_EQ(report.warnings.size(), 1u);
    EXPECT_TRUE(mentions(report.warnings[0], "pixel (20, 40): colour (254, 0, 0)"));
}

TEST(LevelCheckTool, NamesAFileThatIsNotAPicture)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::filesystem::path truncated = folder / "level_check_truncated.bmp";
    const std::filesystem::path text = folder / "level_check_text.bmp";
    const std::filesystem::path log = folder / "level_check_test.log";
    std::ofstream(truncated, std::ios::binary).write(reinterpret_cast<const char*>(embedded::map.file.data()), 1000);
    std::ofstream(text) << "not a picture\n";

    for (const auto& file : {truncated, text}) {
        const std::string command = std::string(LEVEL_CHECK) + " \"" + file.string() + "\" > \"" + log.string() + "\" 2>&1";
        const int status = std::system(command.c_str());
        std::ifstream in(log);
        const std::string output{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(exitCode(status), 1) << file;
        EXPECT_TRUE(mentions(output, file.string() + ": error:")) << output;
        std::filesystem::remove(file);
    }
}

}  // namespace
