// SPDX-License-Identifier: MIT
#include "platform/command_line.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/option_reader.h"
#include "input/mouse_turn.h"
#include "core/panel_keys.h"
#include "platform/sdl_keys.h"
#include "platform/view_scale.h"

namespace {

// "1 to 8", as the usage and the refusals name the scales.
const std::string scaleRange = std::to_string(smallestScale) + " to " + std::to_string(largestScale);

CommandLine only(CommandLine::Action action)
{
    CommandLine command;
    command.action = action;
    return command;
}

CommandLine refuse(std::string problem)
{
    CommandLine command = only(CommandLine::Action::Refuse);
    command.problem = "quentavox: " + std::move(problem);
    return command;
}

// The command as read so far.
struct Reading {
    CommandLine command;
    // Applied once every argument is read: the preset first, wherever it
    // stands, then each binding in turn.
    std::vector<std::pair<PlayerAction, vk::Code>> bindings;
};

// What an option does with its value: nothing back when it is taken,
// otherwise the line that refuses it. The value is missing for an option
// that takes none, and for one given last without its value.
using Value = std::optional<std::string_view>;
using Problem = std::string;

// "--level FILE", "--level=FILE" or the file alone, which is how a picture
// dropped on the program's icon arrives.
Problem readLevel(Reading& reading, Value file)
{
    if (!file || file->empty()) return "--level needs a level picture, LEVEL.bmp";
    std::string& level = reading.command.level;
    if (!level.empty()) return "one level at a time, not '" + level + "' and '" + std::string(*file) + "'";
    level = *file;
    return {};
}

// A whole number from `lowest` to `highest` and nothing else: no sign, no
// spaces, no fraction. A later one wins, as in most programs.
Problem readWhole(std::string_view option, Value text, std::int32_t lowest, std::int32_t highest, std::int32_t& into)
{
    const std::string range = std::to_string(lowest) + " to " + std::to_string(highest);
    if (!text) return std::string(option) + " needs a number from " + range;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc{} || end != text->data() + text->size() || value < lowest || value > highest) {
        return std::string(option) + " takes a whole number from " + range + ", not '" + std::string(*text) + "'";
    }
    into = value;
    return {};
}

Problem readScale(Reading& reading, Value text)
{
    return readWhole("--scale", text, smallestScale, largestScale, reading.command.window.scale);
}

// "--edit FILE" or "--edit=FILE": a picture to edit, there or not yet.
Problem readEdit(Reading& reading, Value file)
{
    if (!file || file->empty()) return "--edit needs a level picture, LEVEL.bmp";
    reading.command.edit = *file;
    return {};
}

Problem readPreset(Reading& reading, Value preset)
{
    if (!preset) return "--keys needs arrows or wasd";
    if (*preset == "arrows") {
        reading.command.keys = KeyBindings::arrows();
    } else if (*preset == "wasd") {
        reading.command.keys = KeyBindings::wasd();
    } else {
        return "--keys takes arrows or wasd, not '" + std::string(*preset) + "'";
    }
    return {};
}

// A demo to record into, play or time: one at a time.
Problem readDemo(std::string& file, std::string_view option, Value name)
{
    if (!name || name->empty()) return std::string(option) + " needs a demo file, FILE";
    if (!file.empty()) return "one demo at a time, not '" + file + "' and '" + std::string(*name) + "'";
    file = *name;
    return {};
}

// Degrees per 100 counts of the mouse's motion.
Problem readMouseSpeed(Reading& reading, Value text)
{
    return readWhole("--mouse-speed", text, 1, mostMouseSpeed, reading.command.mouseSpeed);
}

std::string actionList()
{
    std::string list;
    for (const std::string_view name : actionNames) list += (list.empty() ? "" : ", ") + std::string(name);
    return list;
}

// ACTION=KEY.
Problem readBinding(Reading& reading, Value binding)
{
    if (!binding) return "--bind needs ACTION=KEY";
    const std::string text(*binding);
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos) return "--bind takes ACTION=KEY, not '" + text + "'";
    const std::string name = text.substr(0, equals);
    const std::string keyName = text.substr(equals + 1);
    const std::optional<PlayerAction> action = actionNamed(name);
    if (!action) return "unknown action '" + name + "' in --bind " + text + " (the actions are " + actionList() + ")";
    const std::optional<std::int16_t> key = virtualKeyCodeNamed(keyName);
    if (!key) {
        return "unknown key '" + keyName + "' in --bind " + text +
               " (keys go by SDL's names, such as W, Up, Space or Keypad 8)";
    }
    reading.bindings.emplace_back(*action, *key);
    return {};
}

struct Option : OptionName {
    Problem (*read)(Reading&, Value);
};

// Every option: its name, whether a value follows it, and what it does. One
// that takes a value is handed nothing when the command ends before it, and
// refuses that with its own line. A new option goes here, its lines into
// usage() below, and what it needs or excludes into `pairings`.
using Action = CommandLine::Action;
constexpr Option options[] = {
    {{"--level", true}, readLevel},
    {{"--watch"}, [](Reading& r, Value) -> Problem { r.command.watchLevel = true; return {}; }},
    {{"--map"}, [](Reading& r, Value) -> Problem { r.command.map = true; return {}; }},
    {{"--edit", true}, readEdit},
    {{"--scale", true}, readScale},
    {{"--fullscreen"}, [](Reading& r, Value) -> Problem { r.command.window.fullscreen = true; return {}; }},
    {{"--keys", true}, readPreset},
    {{"--bind", true}, readBinding},
    {{"--mouse"}, [](Reading& r, Value) -> Problem { r.command.window.mouse = true; return {}; }},
    {{"--mouse-speed", true}, readMouseSpeed},
    {{"--record", true}, [](Reading& r, Value file) { return readDemo(r.command.record, "--record", file); }},
    {{"--play", true}, [](Reading& r, Value file) { return readDemo(r.command.play, "--play", file); }},
    {{"--timedemo", true}, [](Reading& r, Value file) { return readDemo(r.command.timedemo, "--timedemo", file); }},
    {{"--help"}, [](Reading& r, Value) -> Problem { r.command.action = Action::Help; return {}; }},
    {{"--version"}, [](Reading& r, Value) -> Problem { r.command.action = Action::Version; return {}; }},
};

constexpr std::size_t optionIndex(std::string_view name)
{
    for (std::size_t i = 0; i < std::size(options); ++i) {
        if (options[i].name == name) return i;
    }
    return std::size(options);
}

// A bare argument is a level, as if after --level.
constexpr std::size_t bareArgument = optionIndex("--level");

// Which options need or exclude which, checked in this order once every
// argument has been read: the first pair that fails refuses the command with
// its line. A bare LEVEL.bmp counts as --level.
enum class Pair { Needs, Excludes };
struct Pairing {
    std::string_view option;
    Pair pair;
    std::string_view other;
    std::string_view line;
};
constexpr Pairing pairings[] = {
    {"--edit", Pair::Excludes, "--watch", "--edit and --watch cannot go together: both would write LEVEL.bmp"},
    {"--edit", Pair::Excludes, "--level", "one level at a time: --edit LEVEL.bmp plays the level it edits"},
    {"--watch", Pair::Needs, "--level", "--watch needs a level picture to watch"},
    {"--mouse-speed", Pair::Needs, "--mouse", "--mouse-speed needs --mouse"},
    {"--play", Pair::Excludes, "--level", "--play takes no level picture: the demo carries its own"},
    {"--play", Pair::Excludes, "--record", "--play and --record do not go together"},
    {"--play", Pair::Excludes, "--timedemo", "--play and --timedemo do not go together"},
    {"--timedemo", Pair::Excludes, "--level", "--timedemo takes no level picture: the demo carries its own"},
    {"--timedemo", Pair::Excludes, "--record", "--timedemo and --record do not go together"},
    {"--play", Pair::Excludes, "--edit", "--play and --edit do not go together"},
    {"--timedemo", Pair::Excludes, "--edit", "--timedemo and --edit do not go together"},
    {"--record", Pair::Excludes, "--edit", "--record and --edit do not go together"},
};
static_assert(std::all_of(std::begin(pairings), std::end(pairings),
                          [](const Pairing& each) {
                              return optionIndex(each.option) < std::size(options) &&
                                     optionIndex(each.other) < std::size(options);
                          }),
              "a pairing names an option that is not in the table");

}  // namespace

CommandLine readCommandLine(std::span<const std::string_view> arguments)
{
    Reading reading;
    std::array<bool, std::size(options)> given{};
    for (OptionReader reader(arguments); !reader.done();) {
        const ReadArgument argument = reader.read(options);
        if (argument.kind == ReadArgument::Kind::Unknown) {
            return refuse("unknown option '" + std::string(argument.text) + "'");
        }
        const bool bare = argument.kind == ReadArgument::Kind::Bare;
        const std::size_t option = bare ? bareArgument : argument.option;
        Problem problem = options[option].read(reading, bare ? argument.text : argument.value);
        if (!problem.empty()) return refuse(std::move(problem));
        // --help and --version win over what follows them, not over a
        // mistake before them.
        if (reading.command.action != Action::Run) return only(reading.command.action);
        given[option] = true;
    }
    for (const Pairing& each : pairings) {
        if (given[optionIndex(each.option)] && given[optionIndex(each.other)] == (each.pair == Pair::Excludes)) {
            return refuse(std::string(each.line));
        }
    }
    // An action's first binding takes the place of its preset keys; more
    // bindings of it give it more keys.
    CommandLine& command = reading.command;
    Actions bound;
    for (const auto& [action, key] : reading.bindings) {
        if ((command.map || !command.edit.empty()) && (key == vk::tab || isKindKey(key))) {
            return refuse("--bind cannot take Tab or a digit that chooses a kind of cell with --map or --edit: "
                          "those keys belong to the map");
        }
        if (bound[indexOf(action)]) {
            command.keys.add(action, key);
        } else {
            command.keys.bind(action, key);
        }
        bound.set(indexOf(action));
    }
    return command;
}

std::string_view usage()
{
    static const std::string text = "Usage: quentavox [--scale N] [--fullscreen] [--keys arrows|wasd] [--bind ACTION=KEY]...\n"
           "                 [--mouse [--mouse-speed N]] [--map] [[--level] LEVEL.bmp [--watch]] [--record FILE]\n"
           "       quentavox [--scale N] [--fullscreen] [--keys ...] [--bind ...] [--mouse ...] [--map] --edit LEVEL.bmp\n"
           "       quentavox [--scale N] [--fullscreen] [--keys ...] [--bind ...] [--mouse ...] [--map] --play DEMO\n"
           "       quentavox --timedemo DEMO\n"
           "       quentavox --help | --version\n"
           "Walk through a textured maze in first person.\n"
           "\n"
           "Options:\n"
           "  LEVEL.bmp, --level LEVEL.bmp\n"
           "                 play a level picture of your own instead of the built-in\n"
           "                 level: 64 x 64 pixels, 24 or 32 bits a pixel, one pixel a\n"
           "                 cell in the level colours, walls all round the edge and\n"
           "                 the start cell (2, 2) open; a picture that breaks a rule\n"
           "                 is refused with the pixels that break it (exit status 2).\n"
           "                 Dropping a picture on the window plays it too\n"
           "  --watch        read LEVEL.bmp again whenever it is saved (checked once a\n"
           "                 second); a broken save keeps the level played\n"
           "  --map          show the map beside the view: the level from above, where\n"
           "                 you stand and what the frame shows; Tab hides and shows it\n"
           "  --edit LEVEL.bmp\n"
           "                 edit a level picture in the map while you walk it: the\n"
           "                 left button paints, the right button lays floor, 0 to 5\n"
           "                 choose the kind, Shift and a click puts you there, Ctrl+F\n"
           "                 fills, Ctrl+Z undoes, Ctrl+Y redoes, Ctrl+S saves; a picture\n"
           "                 not there yet starts as a walled hall, one that breaks a\n"
           "                 rule opens mended. With --map or --edit, Tab, 0 to 5 and\n"
           "                 every key with Ctrl belong to the map\n"
           "  --scale N      show every pixel of the window as an N x N block, N from\n"
           "                 " + scaleRange + " (default: the display's dots per inch over 96)\n"
           "  --fullscreen   fill the display (default scale: the largest at which\n"
           "                 the view fits)\n"
           "  --keys wasd    W, S walk, A, D turn, Q, E step sideways, and the keys below\n"
           "                 work too (default: --keys arrows, the keys below alone)\n"
           "  --bind ACTION=KEY\n"
           "                 make KEY the key of ACTION in place of its own; given\n"
           "                 again for one ACTION, one more key. ACTION is forward,\n"
           "                 backward, turn-left, turn-right, step-left or step-right;\n"
           "                 KEY is SDL's name of a key, such as W, Up, Space, Keypad 8\n"
           "  --mouse        turn with the mouse too: a click into the view captures\n"
           "                 the pointer, Escape lets it go\n"
           "  --mouse-speed N\n"
           "                 turn N degrees for 100 counts of motion, N from 1 to " + std::to_string(mostMouseSpeed) + "\n"
           "                 (default " + std::to_string(defaultMouseSpeed) + ": half a turn for 3,000 counts)\n"
           "  --record FILE  record the walk into the demo FILE: written to FILE.part\n"
           "                 as it goes, and put in FILE's place when the window closes\n"
           "  --play DEMO    play a recorded walk in the window, then take over from\n"
           "                 where it ends; a walking key ends it at once. Dropping a\n"
           "                 demo on the window plays it too\n"
           "  --timedemo DEMO\n"
           "                 play a demo as fast as the machine can, with no display,\n"
           "                 and print the frames a second and the time to draw a\n"
           "                 frame against a frame copy; exit status 3 when the replay\n"
           "                 does not end where the demo was recorded\n"
           "  --help         print this help and exit\n"
           "  --version      print the version and exit\n"
           "\n"
           "Keys, while held:\n"
           "  Up, Down       walk forward, backward\n"
           "  Left, Right    turn left, right\n"
           "  , (comma)      step sideways to the left\n"
           "  . (full stop)  step sideways to the right\n"
           "A game controller's D-pad and left stick turn and walk as the arrows do,\n"
           "its shoulder buttons step sideways.\n"
           "\n"
           "To quit, close the window (Alt+F4 on most desktops); no key quits.\n";
    return text;
}

std::string_view programVersion() { return QUENTAVOX_VERSION; }

std::string versionLine() { return "quentavox " + std::string(programVersion()) + "\n"; }
