// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "input/key_codes.h"
#include "tests/fixture_pictures.h"
#include "tests/started_form.h"

namespace {

using vk::comma, vk::downArrow, vk::fullStop, vk::leftArrow, vk::rightArrow, vk::upArrow;

// A window on the built-in level, or on an open floor with the walls a test
// puts there, with the player at the start position.
struct Walker : StartedForm {
    explicit Walker(bool openFloor = false, float angle = 0) : StartedForm(fixturePictures())
    {
        if (openFloor) state.mapCells = MapCells{};
        state.playerAngle = angle;
    }

    void hold(const std::vector<int>& codes)
    {
        for (const int code : codes) state.keyState[static_cast<std::size_t>(code)] = trueFlag;
    }
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i) form.GameCode();
    }
};

bool insideOpenCell(const GameState& state)
{
    return state.mapCells(std::int64_t(std::floor(state.playerX)), std::int64_t(std::floor(state.playerY))) == 0;
}

}  // namespace

TEST(GameCode, OneTickTurnsOrTakesTheStepOfTheLastWalkingKey)
{
    struct Case {
        std::vector<int> keys;
        float angle, x, y;
    };
    // At 90 the cosine is a hair below zero; the step in y rounds away.
    const Case cases[] = {
        {{'A'}, 0, 2.5f, 2.5f},
        {{upArrow}, 0, 2.5f, 2.54f},
        {{upArrow}, 90, 2.54f, 2.5f},
        {{leftArrow, rightArrow, upArrow}, 0, 2.5f, 2.54f},
        {{upArrow, downArrow}, 0, 2.5f, 2.46f},
        {{upArrow, fullStop}, 0, 2.54f, 2.5f},
        {{upArrow, comma}, 0, 2.46f, 2.5f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "first key " << c.keys.front() << " at " << c.angle);
        Walker walker(false, c.angle);
        walker.hold(c.keys);
        walker.ticks(1);
        EXPECT_EQ(walker.state.playerAngle, c.angle);
        EXPECT_EQ(walker.state.playerX, c.x);
        EXPECT_EQ(walker.state.playerY, c.y);
    }
}

TEST(GameCode, StopsShortOfAWallAndSlidesAlongARowOrAColumnMetAtASlant)
{
    struct Case {
        bool row;
        float angle;
        double slide;
    };
    // Straight at a row the slide along x is taken but changes nothing.
    for (const Case& c : {Case{true, 0, 0}, Case{true, 30, 20 * 0.02}, Case{false, 60, 20 * 0.02}}) {
        SCOPED_TRACE(testing::Message() << (c.row ? "row at " : "column at ") << c.angle);
        Walker walker(true, c.angle);
        for (int i = 0; i < MapCells::Size; ++i) walker.state.mapCells(c.row ? i : 4, c.row ? 4 : i) = 2;
        walker.hold({upArrow});
        walker.ticks(100);
        float& blocked = c.row ? walker.state.playerY : walker.state.playerX;
        float& free = c.row ? walker.state.playerX : walker.state.playerY;
        const float blockedBefore = blocked;
        const float freeBefore = free;
        walker.ticks(20);
        EXPECT_LT(blockedBefore, 4.0f);
        EXPECT_GT(blockedBefore, 4.0f - 0.04f);
        EXPECT_EQ(blocked, blockedBefore);
        EXPECT_NEAR(free - freeBefore, c.slide, 1e-4);
    }
}

TEST(GameCode, ADiagonalStepIsDecidedByTheCandidateCellAlone)
{
    // Between two wall corners the open candidate cell is taken; into the
    // corner of a lone wall cell both slides are open and y wins.
    for (const bool between : {true, false}) {
        Walker walker(true, 45);
        walker.state.mapCells(3, between ? 2 : 3) = walker.state.mapCells(between ? 2 : 3, 3) = 2;
        walker.state.playerX = walker.state.playerY = 2.98f;
        walker.hold({upArrow});
        walker.ticks(1);
        EXPECT_EQ(walker.state.playerX > 3.0f, between);
        EXPECT_EQ(walker.state.playerX == 2.98f, !between);
        EXPECT_GT(walker.state.playerY, 3.0f);
    }
}

TEST(GameCode, AMoveStoredOnTheEdgeOfAWallCellIsNotTaken)
{
    // At 88 the step ends a hair short of the wall cell (3, 2) and would be
    // stored on its edge; the player slides along y instead. At 2 the step
    // meets the wall (3, 2) and the slide along y ends a hair short of the
    // wall (2, 3), stored on its edge; with the slide along x blocked by
    // (3, 2) too, the player stays. The same with x and y swapped: a step at
    // 88 into the wall (2, 3) whose slide along x would be stored in (3, 2).
    struct Case {
        float angle, x, y;
        bool slidesAlongY;
    };
    for (const Case& c : {Case{88, 2.96002436f, 2.5f, true}, Case{2, 2.9995f, 2.96002436f, false},
                          Case{88, 2.96002436f, 2.9995f, false}}) {
        SCOPED_TRACE(c.angle);
        Walker walker(true, c.angle);
        walker.state.mapCells(3, 2) = walker.state.mapCells(2, 3) = 2;
        walker.state.playerX = c.x;
        walker.state.playerY = c.y;
        walker.hold({upArrow});
        walker.ticks(1);
        EXPECT_EQ(walker.state.playerX, c.x);
        EXPECT_EQ(walker.state.playerY > c.y, c.slidesAlongY);
        EXPECT_TRUE(insideOpenCell(walker.state));
    }
}

// Runs of one to 32 ticks, each with every key held or not at random and the
// up arrow more often than not, so that the walk keeps meeting walls. Before
// the stored cell was tested a walk like this ended inside a wall after
// 776,363 ticks; that fault is pinned above, and this shorter walk watches
// for others of its kind.
TEST(GameCode, ARandomWalkNeverStopsInsideAWall)
{
    Walker walker;
    std::mt19937 random(1);
    for (int tick = 0; tick < 50'000;) {
        walker.state.keyState.fill(falseFlag);
        for (const int key : {leftArrow, upArrow, rightArrow, downArrow, comma, fullStop}) {
            if (random() % (key == upArrow ? 4 : 3) != 0) walker.hold({key});
        }
        for (int run = 1 + int(random() % 32); run > 0; --run, ++tick) {
            walker.ticks(1);
            ASSERT_TRUE(insideOpenCell(walker.state))
                << "tick " << tick << ": (" << walker.state.playerX << ", " << walker.state.playerY << ")";
        }
    }
}

// 40,000 ticks turn 80,000 degrees either way, past what 16 bits hold, while
// a step reads the heading too.
TEST(GameCode, TurningForeverNeverOverflowsTheHeading)
{
    for (const int turn : {leftArrow, rightArrow}) {
        Walker walker;
        walker.hold({turn, turn == leftArrow ? comma : upArrow});
        ASSERT_NO_THROW(walker.ticks(40'000));
        const float angle = walker.state.playerAngle;
        EXPECT_LT(std::fabs(angle), 360.0f);
        EXPECT_EQ(angle, std::trunc(angle));
        EXPECT_EQ((int(angle) % 360 + 360) % 360, turn == rightArrow ? 80 : 280);
    }
}

TEST(KeyState, HandlersRecordHeldKeysAndRefuseCodesOutsideTheTable)
{
    Walker walker;
    std::int16_t code = upArrow;
    std::int16_t shift = 1;
    walker.form.Form_KeyDown(code, shift);
    EXPECT_EQ(walker.state.keyState[upArrow], -1);
    // Auto-repeat changes nothing; one release undoes any number of presses.
    const auto held = walker.state.keyState;
    walker.form.picRender_KeyDown(code, shift);
    EXPECT_EQ(walker.state.keyState, held);
    for (std::int16_t bad : {std::int16_t{256}, std::int16_t{-1}, std::int16_t{-32768}}) {
        EXPECT_THROW(walker.form.Form_KeyDown(bad, shift), RuntimeError) << bad;
        EXPECT_THROW(walker.form.Form_KeyUp(bad, shift), RuntimeError) << bad;
    }
    EXPECT_EQ(walker.state.keyState, held);
    walker.form.picRender_KeyUp(code, shift);
    EXPECT_EQ(walker.state.keyState[upArrow], 0);
}
