// SPDX-License-Identifier: MIT
#include "base/checked.h"
#include "core/frmMain.h"

// Key events only record which keys are held; the ticks poll the table. The
// shift state is ignored, and an auto-repeated key-down changes nothing.
void frmMain::Form_KeyDown(std::int16_t& KeyCode, std::int16_t&)
{
    state.keyState[checked::index(KeyCode, state.keyState.size(), "keyState key code")] = trueFlag;
    if (replay) ReplayKey(KeyCode, true);
}

void frmMain::Form_KeyUp(std::int16_t& KeyCode, std::int16_t&)
{
    state.keyState[checked::index(KeyCode, state.keyState.size(), "keyState key code")] = falseFlag;
    if (replay) ReplayKey(KeyCode, false);
}

void frmMain::picRender_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift)
{
    Form_KeyDown(KeyCode, Shift);
}

void frmMain::picRender_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift)
{
    Form_KeyUp(KeyCode, Shift);
}
