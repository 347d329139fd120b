// SPDX-License-Identifier: MIT
#include "sim/level_editor.h"

#include <gtest/gtest.h>

#include <random>

#include "assets/cells_to_bmp.h"
#include "assets/level_mending.h"
#include "assets/level_picture.h"
#include "sim/game_state.h"
#include "sim/status_text.h"

namespace {

// A walled hall with the player in the middle of the start cell.
struct Editing {
    GameState state = [] {
        GameState hall;
        hall.mapCells = walledHall();
        hall.playerX = hall.playerY = 2.5f;
        return hall;
    }();
    LevelEditor editor{state, true};

    std::string note()
    {
        TextLine line;
        return std::string(noteText(editor.note(), line));
    }
};

// A drag that jumps across many cells between two moves leaves no gap, and
// a rule keeps its cell however the stroke reaches it.
TEST(LevelEditor, StrokesPaintEveryCellCrossedAndKeepTheRules)
{
    Editing e;
    e.editor.beginStroke(10.5, 10.5, 3);
    e.editor.continueStroke(20.5, 13.5);
    e.editor.endStroke();
    int painted = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) painted += e.state.mapCells(x, y) == 3;
    }
    EXPECT_EQ(painted, 14);  // 11 columns and 3 more rows, joined by their sides
    for (int x = 10; x <= 20; ++x) EXPECT_EQ(e.state.mapCells(x, std::int64_t(10.5 + (x - 10) * 0.3)), 3) << x;

    e.editor.beginStroke(1.5, 2.5, 4);
    e.editor.continueStroke(3.5, 2.5);
    EXPECT_EQ(e.state.mapCells(1, 2), 4);
    EXPECT_EQ(e.state.mapCells(2, 2), 0);
    EXPECT_EQ(e.state.mapCells(3, 2), 4);
    EXPECT_EQ(e.note(), "pixel (2, 2): the start cell stays open floor");
    e.state.playerX = 30.9f;
    e.editor.beginStroke(30.5, 2.5, 1);
    EXPECT_EQ(e.state.mapCells(30, 2), 0);
    EXPECT_EQ(e.note(), "pixel (30, 2): you stand there; step away first");
    e.editor.beginStroke(-3, 5.5, 0);
    e.editor.continueStroke(63.9, 5.5);
    EXPECT_EQ(e.state.mapCells(0, 5), borderWall);
    EXPECT_EQ(e.state.mapCells(63, 5), borderWall);
    EXPECT_EQ(e.note(), "pixel (63, 5): the border stays wall");
}

TEST(LevelEditor, FillsOneRegionAndUndoesAWholeStepAtOnce)
{
    Editing e;
    e.editor.beginStroke(40.5, 1.5, borderWall);
    e.editor.continueStroke(40.5, 62.5);
    e.editor.endStroke();
    e.editor.fill(50.5, 50.5, 5);  // the hall right of the wall at x = 40
    EXPECT_EQ(e.state.mapCells(41, 1), 5);
    EXPECT_EQ(e.state.mapCells(62, 62), 5);
    EXPECT_EQ(e.state.mapCells(39, 1), 0);
    e.editor.fill(0.5, 0.5, 0);  // the border and the wall it touches
    EXPECT_EQ(e.state.mapCells(40, 30), 0);
    EXPECT_EQ(e.state.mapCells(0, 30), borderWall);
    EXPECT_TRUE(e.editor.unsaved());

    e.editor.undo();
    EXPECT_EQ(e.state.mapCells(40, 30), borderWall);
    e.editor.undo();
    EXPECT_EQ(e.state.mapCells(41, 1), 0);
    e.editor.redo();
    EXPECT_EQ(e.state.mapCells(62, 62), 5);
    e.editor.undo();
    e.editor.undo();
    EXPECT_FALSE(e.editor.unsaved());
    e.editor.undo();
    EXPECT_EQ(e.note(), "nothing to undo");

    // Undo never walls the cell the player has walked into.
    for (int i = 0; i < 3; ++i) e.editor.redo();
    e.state.playerX = 40.5f;
    e.editor.undo();
    EXPECT_EQ(e.state.mapCells(40, 30), 0);
    EXPECT_EQ(e.note(), "pixel (40, 2): you stand where that walls; step away first");

    // A level saved, undone past and edited anew is not the saved one.
    e.state.playerX = 2.5f;
    e.editor.markSaved();
    e.editor.undo();
    e.editor.redo();
    EXPECT_FALSE(e.editor.unsaved());
    e.editor.undo();
    e.editor.fill(0.5, 0.5, 0);
    EXPECT_TRUE(e.editor.unsaved());
}

TEST(LevelEditor, KeepsTheLast128Steps)
{
    Editing e;
    // An odd number past the limit: every step beyond it drops one.
    for (int i = 1; i <= 131; ++i) e.editor.fill(30, 30, std::int16_t(i % 2));
    int undone = 0;
    for (; e.note() != "nothing to undo"; ++undone) e.editor.undo();
    EXPECT_EQ(undone, 129);
}

// Whatever is done, the level check would take the level, and undoing every
// step gives back the level as it was opened.
TEST(LevelEditor, ARandomSessionKeepsAPlayableLevelAndUndoesToItsStart)
{
    Editing e;
    const MapCells opened = e.state.mapCells;
    std::mt19937 random(33);
    std::uniform_real_distribution<double> point(-2, 66);
    int steps = 0;
    for (int i = 0; i < 400; ++i) {
        const auto kind = static_cast<std::int16_t>(random() % 6);
        switch (random() % 6) {
        case 0: e.editor.undo(); break;
        case 1: e.editor.redo(); break;
        case 2: e.editor.placePlayer(point(random), point(random)); break;
        case 3:
            if (++steps < 128) e.editor.fill(point(random), point(random), kind);
            break;
        default:
            if (++steps >= 128) break;
            e.editor.beginStroke(point(random), point(random), kind);
            e.editor.continueStroke(point(random), point(random));
            e.editor.endStroke();
        }
        const LevelPicture checked = checkLevelPicture(cellsToBmp(e.state.mapCells), "edited");
        ASSERT_TRUE(checked.picture) << checked.lines;
        ASSERT_EQ(e.state.mapCells(std::int64_t(e.state.playerX), std::int64_t(e.state.playerY)), 0);
    }
    e.editor.placePlayer(2.5, 2.5);
    for (int i = 0; i < 130; ++i) e.editor.undo();
    EXPECT_EQ(e.state.mapCells, opened);
}

}  // namespace
