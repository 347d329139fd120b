// SPDX-License-Identifier: MIT
#include "platform/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Action = CommandLine::Action;

CommandLine read(std::vector<std::string_view> arguments) { return readCommandLine(arguments); }

}  // namespace

TEST(CommandLine, OptionsChooseTheWindow)
{
    struct Case {
        std::vector<std::string_view> arguments;
        std::int32_t scale;
        bool fullscreen;
    };
    for (const Case& c : std::vector<Case>{{{}, 0, false},
                                           {{"--scale", "1"}, 1, false},
                                           {{"--scale", "8"}, 8, false},
                                           {{"--scale=3"}, 3, false},
                                           {{"--fullscreen"}, 0, true},
                                           {{"--fullscreen", "--scale", "2"}, 2, true},
                                           {{"--scale", "2", "--scale=5"}, 5, false}}) {
        const CommandLine command = read(c.arguments);
        const std::string shown = c.arguments.empty() ? "" : std::string(c.arguments.front());
        ASSERT_EQ(command.action, Action::Run) << shown << ": " << command.problem;
        EXPECT_EQ(command.window.scale, c.scale) << shown;
        EXPECT_EQ(command.window.fullscreen, c.fullscreen) << shown;
    }
}

// As a file dropped on the program's icon arrives, or named.
TEST(CommandLine, ALevelIsNamedAloneOrAfterLevelAndWatchedOnRequest)
{
    for (const auto& arguments : std::vector<std::vector<std::string_view>>{
             {"my level.bmp"}, {"--level", "my level.bmp"}, {"--level=my level.bmp"}}) {
        const CommandLine command = read(arguments);
        ASSERT_EQ(command.action, Action::Run) << command.problem;
        EXPECT_EQ(command.level, "my level.bmp");
        EXPECT_FALSE(command.watchLevel);
    }
    const CommandLine watched = read({"--watch", "--scale", "2", "maze.bmp"});
    EXPECT_EQ(watched.level, "maze.bmp");
    EXPECT_TRUE(watched.watchLevel);
    EXPECT_EQ(watched.window.scale, 2);
    EXPECT_EQ(read({}).level, "");
}

TEST(CommandLine, HelpAndVersionWinWhereverTheyStand)
{
    EXPECT_EQ(read({"--help"}).action, Action::Help);
    EXPECT_EQ(read({"--fullscreen", "--help", "--bogus"}).action, Action::Help);
    EXPECT_EQ(read({"--version"}).action, Action::Version);
    EXPECT_EQ(read({"--scale", "2", "--version"}).action, Action::Version);
    // An error before them is reported, as the arguments are read in order.
    EXPECT_EQ(read({"--bogus", "--help"}).action, Action::Refuse);
    EXPECT_EQ(versionLine(), "quentavox " QUENTAVOX_VERSION "\n");
}

TEST(CommandLine, AnythingElseIsRefusedWithOneLine)
{
    for (const auto& [arguments, problem] : std::vector<std::pair<std::vector<std::string_view>, std::string>>{
             {{"--scale", "0"}, "quentavox: --scale takes a whole number from 1 to 8, not '0'"},
             {{"--scale", "9"}, "quentavox: --scale takes a whole number from 1 to 8, not '9'"},
             {{"--scale", "-1"}, "quentavox: --scale takes a whole number from 1 to 8, not '-1'"},
             {{"--scale", "+2"}, "quentavox: --scale takes a whole number from 1 to 8, not '+2'"},
             {{"--scale", "2.0"}, "quentavox: --scale takes a whole number from 1 to 8, not '2.0'"},
             {{"--scale", "99999999999"}, "quentavox: --scale takes a whole number from 1 to 8, not '99999999999'"},
             {{"--scale="}, "quentavox: --scale takes a whole number from 1 to 8, not ''"},
             {{"--scale"}, "quentavox: --scale needs a number from 1 to 8"},
             {{"--scale", "--fullscreen"}, "quentavox: --scale takes a whole number from 1 to 8, not '--fullscreen'"},
             {{"-h"}, "quentavox: unknown option '-h'"},
             {{"--Help"}, "quentavox: unknown option '--Help'"},
             {{"--fullscreen=yes"}, "quentavox: unknown option '--fullscreen=yes'"},
             {{"--level"}, "quentavox: --level needs a level picture, LEVEL.bmp"},
             {{"--level="}, "quentavox: --level needs a level picture, LEVEL.bmp"},
             {{"a.bmp", "--level", "b.bmp"}, "quentavox: one level at a time, not 'a.bmp' and 'b.bmp'"},
             {{"--watch"}, "quentavox: --watch needs a level picture to watch"}}) {
        const CommandLine command = read(arguments);
        EXPECT_EQ(command.action, Action::Refuse) << problem;
        EXPECT_EQ(command.problem, problem);
    }
}
