// SPDX-License-Identifier: MIT
#include <string>
#include <utility>
#include <vector>

#include "assets/cells_to_bmp.h"
#include "assets/level_mending.h"
#include "base/checked.h"
#include "base/concat.h"
#include "core/frmMain.h"
#include "core/panel_keys.h"

namespace {

// Where a point of the client area lies on the panel, whose drawable area
// begins inside its border.
PanelPoint pointOnPanel(const MapPanel& panel, float X, float Y)
{
    const Surface& picture = panel.picture;
    return panel.at(double{X} - picture.Left - picture.BorderWidth(), double{Y} - picture.Top - picture.BorderWidth());
}

}  // namespace

void frmMain::picMap_MouseDown(std::int16_t& Button, std::int16_t& Shift, float X, float Y)
{
    if (!mapShown || !editor) return;
    const PanelPoint point = pointOnPanel(*mapPanel, X, Y);
    switch (point.kind) {
    case PanelPoint::Map: {
        if ((Shift & vbShiftMask) != 0) {
            editor->placePlayer(point.levelX, point.levelY);
            break;
        }
        // The right button lays floor, with either tool.
        const std::int16_t kind = (Button & vbRightButton) != 0 ? 0 : editor->kind();
        if (editor->tool() == EditTool::Fill) {
            editor->fill(point.levelX, point.levelY, kind);
        } else {
            editor->beginStroke(point.levelX, point.levelY, kind);
        }
        break;
    }
    case PanelPoint::Palette: editor->choose(point.cellKind); break;
    case PanelPoint::Tool: editor->choose(editor->tool() == EditTool::Pen ? EditTool::Fill : EditTool::Pen); break;
    case PanelPoint::Nothing: break;
    }
}

// A stroke goes on wherever the pointer is dragged; only cells of the level
// are painted.
void frmMain::picMap_MouseMove(std::int16_t& Button, std::int16_t&, float X, float Y)
{
    if (!mapShown) return;
    const PanelPoint point = pointOnPanel(*mapPanel, X, Y);
    mapPanel->pointAt(point);
    if (editor && Button != 0) editor->continueStroke(point.levelX, point.levelY);
}

void frmMain::picMap_MouseUp(std::int16_t&, std::int16_t&, float, float)
{
    if (editor) editor->endStroke();
}

void frmMain::picMap_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift)
{
    if ((Shift & vbCtrlMask) == 0) {
        if (KeyCode == vk::tab) mnuMap_Click();
        if (editor && isKindKey(KeyCode)) editor->choose(kindOfKey(KeyCode));
        return;
    }
    if (!editor) return;
    switch (KeyCode) {
    case 'Z':
        if ((Shift & vbShiftMask) != 0) {
            editor->redo();
        } else {
            editor->undo();
        }
        break;
    case 'Y': editor->redo(); break;
    case 'S': mnuSave_Click(); break;
    case 'F':
        editor->choose(editor->tool() == EditTool::Pen ? EditTool::Fill : EditTool::Pen);
        break;
    default: break;
    }
}

void frmMain::mnuMap_Click()
{
    if (!mapPanel) {
        ShowMapPanel();
        return;
    }
    mapShown = !mapShown;
    platform.ShowPanel(mapShown ? &mapPanel->picture : nullptr, WantedClientArea());
    Form_Resize();
}

void frmMain::mnuEdit_Click()
{
    if (!editor) ShowMapPanel(editedFile.empty() ? std::string("level.bmp") : editedFile);
}

void frmMain::mnuNewLevel_Click()
{
    mnuEdit_Click();
    editor->replace(walledHall());
}

void frmMain::mnuSave_Click() { SaveLevel(); }

void frmMain::EditLevel(const std::string& fileName, const LevelToEdit& level)
{
    const std::vector<std::string>& mends = level.level->mends;
    // The picture holder takes the level as a picture, as start-up decodes it.
    OpenLevel(checkLevelPicture(cellsToBmp(level.level->cells), fileName), Platform::Refusal::OnStderr);
    ShowMapPanel(fileName, mends.empty());
    if (level.isNew) editor->setNote(concat(fileName, " is new: the first save writes it"));
    if (mends.size() == 1) editor->setNote(concat("mended ", mends[0]));
    if (mends.size() > 1) {
        editor->setNote(concat("mended ", mends[0], "; and ", std::to_string(mends.size() - 1), " more (on stderr)"));
    }
}

void frmMain::ShowMapPanel(std::optional<std::string> edited, bool saved)
{
    if (edited && !editor) {
        editor.emplace(state, saved);
        editedFile = std::move(*edited);
        // The name without its folders, on Windows too.
        editedName = editedFile.substr(editedFile.find_last_of("/\\") + 1) + '*';
        mapPanel.reset();
    }
    if (!mapPanel) mapPanel.emplace(editor.has_value());
    mapPanel->picture.showIn(platform);
    mapShown = true;
    platform.ShowPanel(&mapPanel->picture, WantedClientArea());
    Form_Resize();
}

std::string_view frmMain::EditedName() const
{
    if (!editor) return {};
    return std::string_view(editedName).substr(0, editedName.size() - (editor->unsaved() ? 0 : 1));
}

bool frmMain::SaveLevel()
{
    if (!editor) return false;
    const std::string problem = platform.SaveFile(editedFile, cellsToBmp(state.mapCells));
    if (!problem.empty()) {
        editor->setNote(concat("cannot save ", editedFile, ": ", problem));
        return false;
    }
    editor->markSaved();
    editor->setNote(concat("saved ", editedFile));
    return true;
}

void frmMain::DrawMap()
{
    const LevelEditor* edited = editor ? &*editor : nullptr;
    if (!mapPanel->outdated(state, edited)) return;
    // The rays the frame just drawn was drawn with.
    const std::int32_t width = checked::toInt32(picRender.ScaleWidth(), "W");
    mapPanel->draw(state, edited, std::span(viewRuns.begin(), viewRuns.size()), width, picTexture);
}
