// SPDX-License-Identifier: MIT
// Levels from outside the program: named on the command line, dropped on the
// window, saved again while watched, or given by a web page. Each has been
// judged by the one level check; a taken one replaces picMap and mapCells
// as start-up made them, and a refused one changes nothing and is shown.

#include <utility>

#include "base/checked.h"
#include "core/frmMain.h"
#include "sim/demo_file.h"

OpenedLevel frmMain::OpenLevel(LevelPicture level, Platform::Refusal shown)
{
    if (!level.picture) {
        platform.ShowRefusal(level.lines, shown);
        return {nullptr, std::move(level.lines)};
    }
    picMap = std::move(*level.picture);
    // While a level is edited, the new one is an edit too, which undo takes back.
    if (editor) {
        editor->replace(level.mapCells);
        return {&state.mapCells, {}};
    }
    state.mapCells = level.mapCells;
    if (recording) recording->levelChanged(state.mapCells);
    const std::int64_t cellX = checked::floorToInt(state.playerX, "playerX");
    const std::int64_t cellY = checked::floorToInt(state.playerY, "playerY");
    if (state.mapCells(cellX, cellY) != 0) {
        state.playerX = static_cast<float>(startCell.x) + 0.5f;
        state.playerY = static_cast<float>(startCell.y) + 0.5f;
        state.playerAngle = 0;
    }
    return {&state.mapCells, {}};
}

// A dropped file is a demo or a level picture by what it holds; during a
// replay it waits until the end.
void frmMain::Form_OLEDragDrop(std::string_view fileName)
{
    if (replay) {
        replay->droppedFile = fileName;
    } else if (fileIsDemo(fileName)) {
        OpenDemo(fileName);
    } else {
        OpenLevel(readLevelPicture(fileName), Platform::Refusal::InDialog);
    }
}

void frmMain::CheckWatchedLevel()
{
    if (levelWatch && !replay && levelWatch->changed()) {
        OpenLevel(readLevelPicture(levelWatch->fileName()), Platform::Refusal::OnStderr);
    }
}
