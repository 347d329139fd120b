// SPDX-License-Identifier: MIT
#pragma once
// The one window: it owns the game state and the drawing surfaces, and every
// event of the program arrives at one of its handlers.
//
// Its handlers are thin: each hands the state and the surfaces it needs to
// the layer that does the work (sim/ for a tick, render/ for a frame).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "assets/embedded_pictures.h"
#include "assets/level_picture.h"
#include "core/level_watch.h"
#include "core/walk_recording.h"
#include "core/walk_replay.h"
#include "input/mouse_turn.h"
#include "assets/picture_sizes.h"
#include "sim/game_state.h"
#include "sim/level_editor.h"
#include "core/platform.h"
#include "gfx/surface.h"
#include "render/map_panel.h"
#include "render/raycast.h"

// The picture files the window's holders are made from: the ones compiled
// into the program, unless a test passes others.
struct FormPictures {
    embedded::Picture map = embedded::map();
    embedded::Picture backdrop = embedded::backdrop();
    // For the wall codes 1 and up, in order.
    std::array<embedded::Picture, textureSlots - 1> textures = embedded::textures();
};

class frmMain final : public FormEvents {
public:
    // Fails with a RuntimeError naming the picture when one is not of its size.
    explicit frmMain(Platform& platform, const FormPictures& pictures = {});

    // Start-up and the main loop; returns only when the program ends.
    void Form_Load();
    // The start-up steps that prepare the game for its first frame: the angle
    // tables, the player in the middle of the start cell, the decoded level.
    void SetUpGame();
    void Form_QueryUnload(std::int16_t& Cancel, std::int16_t& UnloadMode) override;
    void Form_Resize() override;
    void Form_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift);
    void Form_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift);
    void picRender_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
    void picRender_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) override;
    // Plays the level picture dropped on the window, or shows why it cannot.
    void Form_OLEDragDrop(std::string_view fileName) override;

    // Plays a level from outside instead of the current one: its picture
    // becomes picMap's and is decoded into mapCells, as at start-up. Every
    // other state stays, the player's place and heading too, unless the
    // player would stand inside a wall of the new level: then they go back
    // to the start, facing as at start-up. A refused picture changes
    // nothing; its lines are shown as `shown` says. Returns the cells taken,
    // or those lines.
    OpenedLevel OpenLevel(LevelPicture level, Platform::Refusal shown) override;
    // With a watched level, once a second: a save of the file is played, and
    // a broken or half-written one keeps the level, its reason printed once.
    void CheckWatchedLevel();
    std::optional<LevelWatch> levelWatch;

    // Walks. The mouse's sideways motion, gathered over a pass, turns the
    // player at its first tick; a recording keeps every pass; a replay runs
    // recorded passes in place of the user's until a walking key takes over.
    void picRender_MouseMove(std::int16_t& Button, std::int16_t& Shift, float X, float Y) override;
    // Plays a walk that passed its check from its start.
    void PlayWalk(Walk walk, std::string name) override;
    void StartRecording() override;
    Walk StopRecording() override;
    // Plays a demo file, or shows why it cannot.
    void OpenDemo(std::string_view fileName);
    // After start-up: a recording's header, or a replay's start.
    void BeginWalks();
    // Before a pass's wait: the replayed pass, or nothing when none plays.
    std::optional<WalkPass> NextReplayedPass();
    void RunPass(const WalkPass& pass);
    void FlushRecording();
    MouseTurn mouse;
    std::optional<WalkRecording> recording;
    std::optional<WalkReplay> replay;
    // Whether the last replay stood elsewhere than its recording.
    bool replayDiffered = false;

    // The map panel (--map) beside the view, and the level editor in it
    // (--edit): handlers in core/map_events.cpp.
    void picMap_MouseDown(std::int16_t& Button, std::int16_t& Shift, float X, float Y) override;
    void picMap_MouseMove(std::int16_t& Button, std::int16_t& Shift, float X, float Y) override;
    void picMap_MouseUp(std::int16_t& Button, std::int16_t& Shift, float X, float Y) override;
    void picMap_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
    // The panel's commands, from its keys or a page's buttons: show or hide
    // the map; edit the level played; start a new level, a walled hall;
    // save the level edited.
    void mnuMap_Click() override;
    void mnuEdit_Click() override;
    void mnuNewLevel_Click() override;
    void mnuSave_Click() override;
    const MapCells* LevelPlayed() const override { return &state.mapCells; }

    // Plays a level read for editing (a walled hall for a file not there
    // yet, otherwise mended) and edits it in the map panel, saved to
    // `fileName`; the status line tells of a new file or of the mends.
    void EditLevel(const std::string& fileName, const LevelToEdit& level);
    // Gives the window its map panel, shown; with `edited`, the panel edits
    // the level played (mapCells), which is saved to that file, and which
    // counts as saved there when `saved`.
    void ShowMapPanel(std::optional<std::string> edited = std::nullopt, bool saved = true);
    // The client area the window wants: the stored one, with the panel
    // beside it while the panel is shown.
    ClientSize WantedClientArea() const;
    // Writes the level edited into its file. A failure says why in the
    // status line and keeps every edit; returns whether it was written.
    bool SaveLevel();
    // The caption's name of the level edited, "mylevel.bmp", with a "*"
    // after it while it has unsaved edits; empty when nothing is edited.
    std::string_view EditedName() const;

    std::optional<MapPanel> mapPanel;
    bool mapShown = false;
    std::optional<LevelEditor> editor;
    std::string editedFile;

    // Draws one frame of the view into `picture` and shows it; for picRender,
    // the map panel too when it is shown.
    void Raycast(Surface& picture);
    // The rays the last frame was drawn with, left to right.
    ColumnRuns viewRuns;
    // One fixed 8 ms simulation tick: turning, walking and collision.
    void GameCode();

    GameState state;

    // The render surface, and the picture holders, which are never shown and
    // only ever read. picClear is the backdrop: ceiling over floor.
    Surface picRender;
    Surface picMap;
    Surface picClear;
    std::array<Surface, textureSlots> picTexture;  // indexed by wall code; 0 is an empty placeholder

private:
    void StartReplay();
    void ShowWriteProblem(const std::string& problem, std::string_view what);
    void EndReplay();
    void ReplayKey(std::int16_t code, bool down);

    void DrawMap();

    // The file name without its folders, and "*".
    std::string editedName;
    Platform& platform;
};
