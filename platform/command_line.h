// SPDX-License-Identifier: MIT
#pragma once
// The command line: `quentavox [--scale N] [--fullscreen] [--keys PRESET]
// [--bind ACTION=KEY]... [--map] [[--level] LEVEL.bmp [--watch] | --edit
// LEVEL.bmp]`, `--help` and `--version`. Reading it opens nothing and prints nothing; main() acts on
// the result.

#include <span>
#include <string>
#include <string_view>

#include "input/key_bindings.h"
#include "platform/window_options.h"

struct CommandLine {
    enum class Action {
        Run,      // open the window with `window`
        Help,     // print usage() on stdout, exit 0
        Version,  // print versionLine() on stdout, exit 0
        Refuse,   // print `problem` and usage() on stderr, exit 2
    };
    Action action = Action::Run;
    WindowOptions window;
    std::string problem;  // one line, for Refuse
    // A level picture to play instead of the built-in level, and whether to
    // read it again whenever it changes on disk; empty for the built-in one.
    std::string level;
    bool watchLevel = false;
    // The map beside the view; a level picture to edit in it, there or not
    // yet, which is then the level played.
    bool map = false;
    std::string edit;
    KeyBindings keys = KeyBindings::arrows();
};

// The arguments after the program's name.
CommandLine readCommandLine(std::span<const std::string_view> arguments);

// The options, the keys and how to quit, ending in a newline.
std::string_view usage();
// "quentavox 1.0.0" and a newline.
std::string versionLine();
