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
                                           {{"--scale", "8"}, 8, false},
                                           {{"--fullscreen", "--scale", "1"}, 1, true},
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
    const CommandLine recorded = read({"--mouse", "--mouse-speed=12", "--record", "a.qvd", "--watch", "maze.bmp"});
    EXPECT_EQ(recorded.record, "a.qvd");
    EXPECT_TRUE(recorded.window.mouse && recorded.mouseSpeed == 12 && recorded.watchLevel) << recorded.problem;
    const CommandLine watched = read({"--watch", "--scale", "2", "maze.bmp"});
    EXPECT_EQ(watched.level, "maze.bmp");
    EXPECT_TRUE(watched.watchLevel);
    EXPECT_EQ(watched.window.scale, 2);
    EXPECT_EQ(read({}).level, "");
    // A level to edit, with a binding of a digit that is no kind's.
    const CommandLine edited = read({"--edit=new.bmp", "--map", "--bind", "forward=9"});
    ASSERT_EQ(edited.action, Action::Run) << edited.problem;
    EXPECT_TRUE(edited.edit == "new.bmp" && edited.map && edited.level.empty());
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
             {{"--scale", "+2"}, "quentavox: --scale takes a whole number from 1 to 8, not '+2'"},
             {{"--scale", "2.0"}, "quentavox: --scale takes a whole number from 1 to 8, not '2.0'"},
             {{"--scale="}, "quentavox: --scale takes a whole number from 1 to 8, not ''"},
             {{"--scale", "--fullscreen"}, "quentavox: --scale takes a whole number from 1 to 8, not '--fullscreen'"},
             {{"-h"}, "quentavox: unknown option '-h'"},
             {{"--fullscreen=yes"}, "quentavox: unknown option '--fullscreen=yes'"},
             {{"--level="}, "quentavox: --level needs a level picture, LEVEL.bmp"},
             {{"a.bmp", "--level", "b.bmp"}, "quentavox: one level at a time, not 'a.bmp' and 'b.bmp'"},
             {{"--watch"}, "quentavox: --watch needs a level picture to watch"},
             {{"--keys"}, "quentavox: --keys needs arrows or wasd"},
             {{"--keys", "WASD"}, "quentavox: --keys takes arrows or wasd, not 'WASD'"},
             {{"--bind"}, "quentavox: --bind needs ACTION=KEY"},
             {{"--bind", "forward"}, "quentavox: --bind takes ACTION=KEY, not 'forward'"},
             {{"--mouse", "--mouse-speed", "361"}, "quentavox: --mouse-speed takes a whole number from 1 to 360, not '361'"},
             {{"--mouse-speed", "7"}, "quentavox: --mouse-speed needs --mouse"},
             {{"--record"}, "quentavox: --record needs a demo file, FILE"},
             {{"--play", "a.qvd", "b.bmp"}, "quentavox: --play takes no level picture: the demo carries its own"},
             {{"--record", "a.qvd", "--play", "b.qvd"}, "quentavox: --play and --record do not go together"},
             {{"--play", "a.qvd", "--timedemo", "b.qvd"}, "quentavox: --play and --timedemo do not go together"},
             {{"--timedemo", "a.qvd", "--level=b.bmp"}, "quentavox: --timedemo takes no level picture: the demo carries its own"},
             {{"--timedemo", "a.qvd", "--record", "b.qvd"}, "quentavox: --timedemo and --record do not go together"},
             {{"--edit", "a.bmp", "--record", "b.qvd"}, "quentavox: --record and --edit do not go together"},
             {{"--edit"}, "quentavox: --edit needs a level picture, LEVEL.bmp"},
             {{"--edit", "a.bmp", "--watch"}, "quentavox: --edit and --watch cannot go together: both would write LEVEL.bmp"},
             {{"--edit", "a.bmp", "b.bmp"}, "quentavox: one level at a time: --edit LEVEL.bmp plays the level it edits"},
             {{"--map", "--bind", "forward=Tab"},
              "quentavox: --bind cannot take Tab or a digit that chooses a kind of cell with --map or --edit: those keys "
              "belong to the map"},
             {{"--bind", "turn-left=Keypad 3", "--edit=a.bmp"},
              "quentavox: --bind cannot take Tab or a digit that chooses a kind of cell with --map or --edit: those keys "
              "belong to the map"}}) {
        const CommandLine command = read(arguments);
        EXPECT_EQ(command.action, Action::Refuse) << problem;
        EXPECT_EQ(command.problem, problem);
    }
}

TEST(CommandLine, KeysComeFromThePresetThenEachBinding)
{
    EXPECT_EQ(read({}).keys, KeyBindings::arrows());
    EXPECT_EQ(read({"--keys", "wasd"}).keys, KeyBindings::wasd());
    EXPECT_EQ(read({"--keys=wasd", "--keys", "arrows"}).keys, KeyBindings::arrows());

    // Wherever the preset stands, it comes first; an action's first binding
    // takes the place of its preset keys, a second one adds to it.
    KeyBindings expected = KeyBindings::wasd();
    expected.bind(PlayerAction::forward, 'I');
    expected.add(PlayerAction::forward, vk::numpad0 + 8);
    expected.bind(PlayerAction::stepRight, vk::space);
    const CommandLine command =
        read({"--bind", "forward=i", "--bind=step-right=Space", "--keys", "wasd", "--bind", "forward=Keypad 8"});
    ASSERT_EQ(command.action, Action::Run) << command.problem;
    EXPECT_EQ(command.keys, expected);
}
