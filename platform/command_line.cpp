// SPDX-License-Identifier: MIT
#include "platform/command_line.h"

#include <charconv>
#include <string>

#include "platform/view_scale.h"

namespace {

// "1 to 8", as the usage and the refusals name the scales.
const std::string scaleRange = std::to_string(smallestScale) + " to " + std::to_string(largestScale);

CommandLine refuse(std::string problem)
{
    return {CommandLine::Action::Refuse, {}, "quentavox: " + std::move(problem)};
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
        if (argument == "--help") return {CommandLine::Action::Help, {}, {}};
        if (argument == "--version") return {CommandLine::Action::Version, {}, {}};
        if (argument == "--fullscreen") {
            command.window.fullscreen = true;
            continue;
        }
        // "--scale N" or "--scale=N"; a later one wins, as in most programs.
        std::string_view value;
        if (argument == "--scale") {
            if (i + 1 == arguments.size()) return refuse("--scale needs a number from " + scaleRange);
            value = arguments[++i];
        } else if (argument.starts_with("--scale=")) {
            value = argument.substr(8);
        } else if (argument.starts_with("-")) {
            return refuse("unknown option '" + std::string(argument) + "'");
        } else {
            return refuse("unexpected argument '" + std::string(argument) + "'");
        }
        if (!readScale(value, command.window.scale)) {
            return refuse("--scale takes a whole number from " + scaleRange + ", not '" + std::string(value) + "'");
        }
    }
    return command;
}

std::string_view usage()
{
    static const std::string text = "Usage: quentavox [--scale N] [--fullscreen]\n"
           "       quentavox --help | --version\n"
           "Walk through a textured maze in first person.\n"
           "\n"
           "Options:\n"
           "  --scale N      show every pixel of the window as an N x N block, N from\n"
           "                 " + scaleRange + " (default: the display's dots per inch over 96)\n"
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
    return text;
}

std::string versionLine() { return std::string("quentavox ") + QUENTAVOX_VERSION + "\n"; }
