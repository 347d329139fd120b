// SPDX-License-Identifier: MIT
#pragma once
// What the command line asks of walks: a demo to play or time, a file to
// record into, and the mouse's speed. The demo is read, and the file made,
// before any window opens, so that a refusal is answered as a mistake in
// the command is.

#include <optional>
#include <string>
#include <variant>

#include "base/atomic_file.h"
#include "core/frmMain.h"
#include "platform/command_line.h"

struct WalkStart {
    std::optional<Walk> play;
    std::optional<PartFile> record;
};

// The walk start, or the line that refuses the command.
std::variant<WalkStart, std::string> prepareWalks(const CommandLine& command);
// Hands it to the form, before Form_Load.
void startWalks(frmMain& form, WalkStart start, const CommandLine& command);
// `--timedemo DEMO`: prints the figures and the verdict and gives the exit
// status: 0, 2 for a refused demo, 3 when the replay ended elsewhere.
int runTimedemoCommand(const std::string& fileName);
