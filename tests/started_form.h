#pragma once
// The window as start-up leaves it before the first frame: tables filled,
// level decoded, the player at the centre of cell (2, 2) facing angle 0. On
// the scripted platform, so nothing needs a display.

#include "assets/map_decoding.h"
#include "core/frmMain.h"
#include "tests/fake_platform.h"

struct StartedForm {
    FakePlatform platform;
    frmMain form{platform};
    GameState& state = form.state;

    StartedForm()
    {
        generateTrig(state.sinTable, state.tanTable);
        decodeMap(form.picMap, state.mapCells);
        place(2.5f, 2.5f, 0);
    }

    void place(float x, float y, float angle)
    {
        state.playerX = x;
        state.playerY = y;
        state.playerAngle = angle;
    }
};
