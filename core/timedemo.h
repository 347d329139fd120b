// SPDX-License-Identifier: MIT
#pragma once
// A walk replayed as fast as the machine can, every pass drawn and nothing
// shown, so no display is needed: the renderer's benchmark. Each frame's
// Raycast is timed, and so, afterwards in the same run, is a plain copy of
// a whole frame, the least any way of filling the view could cost.

#include <string>

#include "core/frmMain.h"

struct TimedemoResult {
    // The figures, then the replay's verdict, each line ending in a newline.
    std::string lines;
    // The replay stood elsewhere than the recording.
    bool differed = false;
};

// The walk must have passed its check.
TimedemoResult runTimedemo(Walk walk, const std::string& name, const FormPictures& pictures = {});
