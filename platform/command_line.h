// SPDX-License-Identifier: MIT
#pragma once
// The command line: `quentavox [--scale N] [--fullscreen] [--keys PRESET]
// [--bind ACTION=KEY]... [--mouse [--mouse-speed N]] [--map] [[--level]
// LEVEL.bmp [--watch]] [--record FILE]`, the same with `--edit LEVEL.bmp` or
// `--play DEMO` instead of a level and a recording, `--timedemo DEMO`,
// `--help` and `--version`. Reading it opens nothing and prints nothing;
// main() acts on
// the result.

#include <span>
#include <string>
#include <string_view>

#include "input/key_bindings.h"
#include "input/mouse_turn.h"
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
    // Degrees per 100 counts of the mouse's motion, with --mouse.
    std::int32_t mouseSpeed = defaultMouseSpeed;
    // A demo to record the walk into, to play in the window, or to play as
    // fast as the machine can with no window; each empty unless given.
    std::string record;
    std::string play;
    std::string timedemo;
};

// The arguments after the program's name.
CommandLine readCommandLine(std::span<const std::string_view> arguments);

// The options, the keys and how to quit, ending in a newline.
std::string_view usage();
// "1.0.0", as a demo's header keeps it.
std::string_view programVersion();
// "quentavox 1.0.0" and a newline.
std::string versionLine();
