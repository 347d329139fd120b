// SPDX-License-Identifier: MIT
#pragma once
// The window as start-up leaves it before the first frame, on the scripted
// platform, so nothing needs a display. Built from the compiled-in pictures
// unless given others (the unit tests give their fixtures).

#include "core/frmMain.h"
#include "tests/fake_platform.h"

struct StartedForm {
    FakePlatform platform;
    frmMain form;
    GameState& state = form.state;

    explicit StartedForm(const FormPictures& pictures = {}) : form(platform, pictures) { form.SetUpGame(); }

    void place(float x, float y, float angle)
    {
        state.playerX = x;
        state.playerY = y;
        state.playerAngle = angle;
    }
};
