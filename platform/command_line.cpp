// SPDX-License-Identifier: MIT
#include "platform/command_line.h"

#include <charconv>
#include <string>

#include "platform/view_scale.h"

namespace {

// "1 to 8", as the refusals name the scales.
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

}  // namespace

CommandLine readCommandLine(std::span<const std::string_view> arguments)
{
    CommandLine command;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help") return only(CommandLine::Action::Help);
        if (argument == "--version") return only(CommandLine::Action::Version);
        if (argument == "--fullscreen") {
            command.window.fullscreen = true;
            continue;
        }
        if (argument == "--watch") {
            command.watchLevel = true;
            continue;
        }
        // "--level FILE", "--level=FILE" or the file alone, which is how a
        // picture dropped on the program's icon arrives.
        if (argument == "--level" || argument.starts_with("--level=") || !argument.starts_with("-")) {
            std::string_view level = argument;
            if (argument == "--level") {
                if (i + 1 == arguments.size()) return refuse("--level needs a level picture, LEVEL.bmp");
                level = arguments[++i];
            } else if (argument.starts_with("--level=")) {
                level = argument.substr(8);
            }
            if (level.empty()) return refuse("--level needs a level picture, LEVEL.bmp");
            if (!command.level.empty()) {
                return refuse("one level at a time, not '" + command.level + "' and '" + std::string(level) + "'");
            }
            command.level = level;
            continue;
        }
        // "--scale N" or "--scale=N"; a later one wins, as in most programs.
        std::string_view value;
        if (argument == "--scale") {
            if (i + 1 == arguments.size()) return refuse("--scale needs a number from " + scaleRange);
            value = arguments[++i];
        } else if (argument.starts_with("--scale=")) {
            value = argument.substr(8);
        } else {
            return refuse("unknown option '" + std::string(argument) + "'");
        }
        if (!readScale(value, command.window.scale)) {
            return refuse("--scale takes a whole number from " + scaleRange + ", not '" + std::string(value) + "'");
        }
    }
    if (command.watchLevel && command.level.empty()) return refuse("--watch needs a level picture to watch");
    return command;
}

std::string_view usage()
{
    return "Usage: quentavox [--scale N] [--fullscreen] [[--level] LEVEL.bmp [--watch]]\n"
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
           "                 1 to 8 (default: the display's dots per inch over 96)\n"
           "  --fullscreen   fill the display (default scale: the largest at which\n"
           "                 the view fits)\n"
           "  --help         print this help and exit\n"
           "  --version      print the version and exit\n"
           "\n"
           "Keys, while held:\n"
           "  Up, Down       walk forward, backward\n"
           "  Left, Right    turn left, right\n"
           "  , (comma)      step sideways to the left\n"
           "  . (full stop)  step sideways to the right\n"
           "\n"
           "To quit, close the window (Alt+F4 on most desktops); no key quits.\n";
}

std::string versionLine() { return std::string("quentavox ") + QUENTAVOX_VERSION + "\n"; }
