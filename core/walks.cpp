// SPDX-License-Identifier: MIT
#include <algorithm>

#include "base/checked.h"
#include "base/concat.h"
#include "core/frmMain.h"
#include "sim/demo_file.h"

void frmMain::picRender_MouseMove(std::int16_t&, std::int16_t&, float X, float)
{
    mouse.move(checked::toInt32(X, "mouse motion"));
}

void frmMain::PlayWalk(Walk walk, std::string name)
{
    replay.emplace(std::move(walk), std::move(name));
    StartReplay();
}

void frmMain::StartRecording()
{
    recording.emplace();
    static_cast<void>(recording->begin(state));
}

Walk frmMain::StopRecording()
{
    if (!recording) return {};
    static_cast<void>(recording->finish(state));
    Walk walk = recording->walk();
    recording.reset();
    return walk;
}

void frmMain::OpenDemo(std::string_view fileName)
{
    if (recording) {
        platform.ShowRefusal(concat(fileName, ": error: a demo is not played while the walk is recorded\n"),
                             Platform::Refusal::InDialog);
        return;
    }
    DemoReading demo = readDemoFile(fileName);
    if (!demo.problem.empty()) {
        platform.ShowRefusal(demo.problem + "\n", Platform::Refusal::InDialog);
        return;
    }
    PlayWalk(std::move(demo.walk), std::string(fileName));
}

void frmMain::BeginWalks()
{
    if (recording) ShowWriteProblem(recording->begin(state), "cannot be written");
    if (replay) StartReplay();
}

// The walk's level and start, and none of the walk's actions held yet.
void frmMain::StartReplay()
{
    replay->liveHeld = heldActions(state);
    OpenLevel(linkedLevelPicture(replay->walk.level, replay->name), Platform::Refusal::InDialog);
    place(state, replay->walk.start);
    holdActions(state, {});
}

std::optional<WalkPass> frmMain::NextReplayedPass()
{
    if (!replay) return std::nullopt;
    // The mouse does not turn a replay.
    mouse.take();
    while (const std::optional<WalkStep> step = replay->player.next(state)) {
        if (!step->level) return step->pass;
        OpenLevel(linkedLevelPicture(*step->level, replay->name), Platform::Refusal::InDialog);
    }
    EndReplay();
    return std::nullopt;
}

// The player takes over where the walk ended, holding what their own keys
// hold; a file dropped meanwhile is opened now.
void frmMain::EndReplay()
{
    const std::string lines = concat(replay->walk.damage.empty() ? "" : replay->walk.damage + "\n", replay->name,
                                     ": ", replay->player.verdict(), "\n");
    platform.ShowRefusal(lines, Platform::Refusal::OnStderr);
    replayDiffered = replay->player.firstDifference().has_value();
    holdActions(state, replay->liveHeld);
    const std::optional<std::string> dropped = std::move(replay->droppedFile);
    replay.reset();
    if (dropped) Form_OLEDragDrop(*dropped);
}

// A walking key pressed during a replay ends it there.
void frmMain::ReplayKey(std::int16_t code, bool down)
{
    const auto action = std::find(actionCodes.begin(), actionCodes.end(), code);
    if (action == actionCodes.end()) return;
    replay->liveHeld[std::size_t(action - actionCodes.begin())] = down;
    if (down) EndReplay();
}

void frmMain::RunPass(const WalkPass& pass)
{
    if (replay) holdActions(state, pass.held);
    state.mouseTurn = pass.turn;
    for (std::int32_t tick = 1; tick <= pass.ticks; ++tick) GameCode();
    state.ticksRun += pass.ticks;
    if (recording) recording->pass(pass);
}

void frmMain::FlushRecording()
{
    if (!recording) return;
    ShowWriteProblem(recording->flush(state), "cannot be written");
}

// A file that cannot be written stops its recording, which says so once.
void frmMain::ShowWriteProblem(const std::string& problem, std::string_view what)
{
    if (!problem.empty()) {
        platform.ShowRefusal(concat(recording->fileName(), ": ", what, ": ", problem, "; the recording stops\n"),
                             Platform::Refusal::OnStderr);
    }
}
