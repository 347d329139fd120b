// SPDX-License-Identifier: MIT
// A web page has no command line: it plays and records its walks through
// its own controls (page_walks.cpp), and has no display-less timedemo.
#include "platform/walk_options.h"

std::variant<WalkStart, std::string> prepareWalks(const CommandLine&) { return WalkStart{}; }

void startWalks(frmMain&, WalkStart, const CommandLine&) {}

int runTimedemoCommand(const std::string& fileName) { return fileName.empty() ? 0 : 2; }
