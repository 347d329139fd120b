// SPDX-License-Identifier: MIT
#include "platform/command_line.h"

#include <charconv>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

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

// A whole number of the scales and nothing else: no sign, no spaces, no
// fraction.
bool readScale(std::string_view text, std::int32_t& scale)
{
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !isScale(value)) {
        return false;
    }
    scale = value;
    return true;
}

// Where `arguments[i]` is "--NAME VALUE" or "--NAME=VALUE", the value, and
// `i` moved past it; an empty optional inside for "--NAME" at the end.
std::optional<std::optional<std::string_view>> optionValue(std::string_view name,
                                                           std::span<const std::string_view> arguments,
                                                           std::size_t& i)
{
    const std::string_view argument = arguments[i];
    if (argument == name) {
        if (i + 1 == arguments.size()) return std::optional<std::string_view>{};
        return arguments[++i];
    }
    if (argument.starts_with(name) && argument.substr(name.size()).starts_with("=")) {
        return argument.substr(name.size() + 1);
    }
    return std::nullopt;
}

std::string actionList()
{
    std::string list;
    for (const std::string_view name : actionNames) list += (list.empty() ? "" : ", ") + std::string(name);
    return list;
}

// ACTION=KEY, or the line that refuses it.
std::variant<std::pair<PlayerAction, vk::Code>, std::string> readBinding(std::string_view text)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return "--bind takes ACTION=KEY, not '" + std::string(text) + "'";
    const std::string_view name = text.substr(0, equals);
    const std::string_view keyName = text.substr(equals + 1);
    const std::optional<PlayerAction> action = actionNamed(name);
    if (!action) {
        return "unknown action '" + std::string(name) + "' in --bind " + std::string(text) + " (the actions are " +
               actionList() + ")";
    }
    const std::optional<std::int16_t> key = virtualKeyCodeNamed(keyName);
    if (!key) {
        return "unknown key '" + std::string(keyName) + "' in --bind " + std::string(text) +
               " (keys go by SDL's names, such as W, Up, Space or Keypad 8)";
    }
    return std::pair{*action, *key};
}

}  // namespace

CommandLine readCommandLine(std::span<const std::string_view> arguments)
{
    CommandLine command;
    // The preset first, wherever it stands, then each binding in turn.
    std::vector<std::pair<PlayerAction, vk::Code>> bindings;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help") return only(CommandLine::Action::Help);
        if (argument == "--version") return only(CommandLine::Action::Version);
        if (argument == "--fullscreen") {
            command.window.fullscreen = true;
            continue;
        }
        if (const auto preset = optionValue("--keys", arguments, i)) {
            if (!*preset) return refuse("--keys needs arrows or wasd");
            if (**preset == "arrows") {
                command.keys = KeyBindings::arrows();
            } else if (**preset == "wasd") {
                command.keys = KeyBindings::wasd();
            } else {
                return refuse("--keys takes arrows or wasd, not '" + std::string(**preset) + "'");
            }
            continue;
        }
        if (const auto binding = optionValue("--bind", arguments, i)) {
            if (!*binding) return refuse("--bind needs ACTION=KEY");
            auto read = readBinding(**binding);
            if (auto* problem = std::get_if<std::string>(&read)) return refuse(std::move(*problem));
            bindings.push_back(std::get<std::pair<PlayerAction, vk::Code>>(read));
            continue;
        }
        if (argument == "--watch") {
            command.watchLevel = true;
            continue;
        }
        // "--level FILE", "--level=FILE" or the file alone, which is how a
        // picture dropped on the program's icon arrives.
        std::optional<std::optional<std::string_view>> level = optionValue("--level", arguments, i);
        if (!level && !argument.starts_with("-")) level = argument;
        if (level) {
            if (!*level || (*level)->empty()) return refuse("--level needs a level picture, LEVEL.bmp");
            if (!command.level.empty()) {
                return refuse("one level at a time, not '" + command.level + "' and '" + std::string(**level) + "'");
            }
            command.level = **level;
            continue;
        }
        // "--scale N" or "--scale=N"; a later one wins, as in most programs.
        const auto scale = optionValue("--scale", arguments, i);
        if (!scale) return refuse("unknown option '" + std::string(argument) + "'");
        if (!*scale) return refuse("--scale needs a number from " + scaleRange);
        if (!readScale(**scale, command.window.scale)) {
            return refuse("--scale takes a whole number from " + scaleRange + ", not '" + std::string(**scale) + "'");
        }
    }
    if (command.watchLevel && command.level.empty()) return refuse("--watch needs a level picture to watch");
    // An action's first binding takes the place of its preset keys; more
    // bindings of it give it more keys.
    Actions bound;
    for (const auto& [action, key] : bindings) {
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
           "                 [[--level] LEVEL.bmp [--watch]]\n"
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

std::string versionLine() { return std::string("quentavox ") + QUENTAVOX_VERSION + "\n"; }
