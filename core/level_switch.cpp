// SPDX-License-Identifier: MIT
#include <utility>

#include "base/checked.h"
#include "core/frmMain.h"

bool frmMain::OpenLevel(LevelPicture level, Platform::Refusal shown)
{
    if (!level.picture) {
        platform.ShowRefusal(level.lines, shown);
        return false;
    }
    picMap = std::move(*level.picture);
    state.mapCells = level.mapCells;
    const std::int64_t cellX = checked::floorToInt(state.playerX, "playerX");
    const std::int64_t cellY = checked::floorToInt(state.playerY, "playerY");
    if (state.mapCells(cellX, cellY) != 0) {
        state.playerX = static_cast<float>(startCell.x) + 0.5f;
        state.playerY = static_cast<float>(startCell.y) + 0.5f;
        state.playerAngle = 0;
    }
    return true;
}

void frmMain::Form_OLEDragDrop(std::string_view fileName)
{
    OpenLevel(readLevelPicture(fileName), Platform::Refusal::InDialog);
}

void frmMain::CheckWatchedLevel()
{
    if (levelWatch && levelWatch->changed()) {
        OpenLevel(readLevelPicture(levelWatch->fileName()), Platform::Refusal::OnStderr);
    }
}
