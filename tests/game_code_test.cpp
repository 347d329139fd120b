#include <gtest/gtest.h>

#include <cmath>

#include "assets/map_decoding.h"
#include "core/frmMain.h"
#include "tests/fake_platform.h"

namespace {

constexpr int leftArrow = 37;
constexpr int upArrow = 38;
constexpr int rightArrow = 39;
constexpr int downArrow = 40;
constexpr int comma = 188;
constexpr int fullStop = 190;

// A window on the built-in level with the player at the start position.
struct Walker {
    FakePlatform platform;
    frmMain form{platform};
    GameState& state = form.state;

    Walker()
    {
        generateTrig(state.sinTable, state.tanTable);
        decodeMap(form.picMap, state.mapCells);
        state.playerX = state.playerY = 2.5f;
    }

    void hold(int code) { state.keyState[static_cast<std::size_t>(code)] = True; }
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i) form.GameCode();
    }
    // An open floor with walls only where a test puts them.
    void clearMap() { state.mapCells = MapCells{}; }
};

}  // namespace

TEST(GameCode, NoKeyChangesNothing)
{
    Walker walker;
    walker.hold('A');
    walker.ticks(10);
    EXPECT_EQ(walker.state.playerX, 2.5f);
    EXPECT_EQ(walker.state.playerY, 2.5f);
    EXPECT_EQ(walker.state.playerAngle, 0.0f);
}

TEST(GameCode, LeftAndRightCancelWhileWalkingStillMoves)
{
    Walker walker;
    walker.hold(leftArrow);
    walker.hold(rightArrow);
    walker.hold(upArrow);
    walker.ticks(1);
    EXPECT_EQ(walker.state.playerAngle, 0.0f);
    EXPECT_EQ(walker.state.playerY, 2.54f);
}

TEST(GameCode, WalksAlongTheHeading)
{
    Walker ahead;
    ahead.hold(upArrow);
    ahead.ticks(1);
    EXPECT_EQ(ahead.state.playerX, 2.5f);
    EXPECT_EQ(ahead.state.playerY, 2.54f);

    // The cosine of 90 is a hair below zero; the step in y rounds away.
    Walker east;
    east.state.playerAngle = 90;
    east.hold(upArrow);
    east.ticks(1);
    EXPECT_EQ(east.state.playerX, 2.54f);
    EXPECT_EQ(east.state.playerY, 2.5f);

    Walker back;
    back.hold(upArrow);
    back.hold(downArrow);
    back.ticks(1);
    EXPECT_EQ(back.state.playerX, 2.5f);
    EXPECT_EQ(back.state.playerY, 2.46f);
}

TEST(GameCode, SidestepsReplaceTheForwardStep)
{
    Walker right;
    right.hold(upArrow);
    right.hold(fullStop);
    right.ticks(1);
    EXPECT_EQ(right.state.playerX, 2.54f);
    EXPECT_EQ(right.state.playerY, 2.5f);

    Walker left;
    left.hold(upArrow);
    left.hold(comma);
    left.ticks(1);
    EXPECT_EQ(left.state.playerX, 2.46f);
    EXPECT_EQ(left.state.playerY, 2.5f);
}

TEST(GameCode, StopsShortOfAWallFacedSquarely)
{
    Walker walker;
    walker.clearMap();
    for (int x = 0; x < MapCells::Size; ++x) walker.state.mapCells(x, 4) = 2;
    walker.hold(upArrow);
    for (int i = 0; i < 100; ++i) {
        walker.ticks(1);
        ASSERT_LT(walker.state.playerY, 4.0f) << "tick " << i;
    }
    EXPECT_GT(walker.state.playerY, 4.0f - 0.04f);
    EXPECT_EQ(walker.state.playerX, 2.5f);
}

TEST(GameCode, SlidesAlongWallsMetAtASlant)
{
    // A row of walls (constant y): the player keeps moving in x only.
    Walker row;
    row.clearMap();
    for (int x = 0; x < MapCells::Size; ++x) row.state.mapCells(x, 4) = 2;
    row.state.playerAngle = 30;
    row.hold(upArrow);
    row.ticks(100);
    const float rowY = row.state.playerY;
    const float rowX = row.state.playerX;
    row.ticks(20);
    EXPECT_LT(rowY, 4.0f);
    EXPECT_EQ(row.state.playerY, rowY);
    EXPECT_NEAR(row.state.playerX - rowX, 20 * 0.02, 1e-4);

    // A column of walls (constant x): the player keeps moving in y only.
    Walker column;
    column.clearMap();
    for (int y = 0; y < MapCells::Size; ++y) column.state.mapCells(4, y) = 2;
    column.state.playerAngle = 60;
    column.hold(upArrow);
    column.ticks(100);
    const float columnX = column.state.playerX;
    const float columnY = column.state.playerY;
    column.ticks(20);
    EXPECT_LT(columnX, 4.0f);
    EXPECT_EQ(column.state.playerX, columnX);
    EXPECT_NEAR(column.state.playerY - columnY, 20 * 0.02, 1e-4);
}

TEST(GameCode, ADiagonalStepPassesBetweenTwoWallCorners)
{
    Walker walker;
    walker.clearMap();
    walker.state.mapCells(3, 2) = 2;
    walker.state.mapCells(2, 3) = 2;
    walker.state.playerX = walker.state.playerY = 2.98f;
    walker.state.playerAngle = 45;
    walker.hold(upArrow);
    walker.ticks(1);
    EXPECT_GT(walker.state.playerX, 3.0f);
    EXPECT_GT(walker.state.playerY, 3.0f);

    // Into the corner of a lone wall cell both slides are open: y wins.
    Walker corner;
    corner.clearMap();
    corner.state.mapCells(3, 3) = 2;
    corner.state.playerX = corner.state.playerY = 2.98f;
    corner.state.playerAngle = 45;
    corner.hold(upArrow);
    corner.ticks(1);
    EXPECT_EQ(corner.state.playerX, 2.98f);
    EXPECT_GT(corner.state.playerY, 3.0f);
}

TEST(GameCode, ACandidateJustBelowACellEdgeIsStoredOnTheEdge)
{
    Walker walker;
    walker.clearMap();
    for (int x = 0; x < MapCells::Size; ++x) walker.state.mapCells(x, 3) = 2;
    walker.state.playerAngle = 2;
    walker.state.playerY = 0x1.7ae214p+1f;  // 2.96002436
    const double candidateY = double{walker.state.playerY} +
                              double{lCos(walker.state.sinTable, 2)} * 0.04;
    ASSERT_LT(candidateY, 3.0);
    ASSERT_EQ(static_cast<float>(candidateY), 3.0f);

    // The candidate's cell is open, so the move is taken and the stored
    // position lies on the wall row.
    walker.hold(upArrow);
    walker.ticks(1);
    EXPECT_EQ(walker.state.playerY, 3.0f);

    // From inside the wall row every cell tested is a wall: it stays put.
    const float x = walker.state.playerX;
    walker.ticks(1);
    EXPECT_EQ(walker.state.playerX, x);
    EXPECT_EQ(walker.state.playerY, 3.0f);
}

TEST(GameCode, TurningForeverNeverOverflowsTheHeading)
{
    constexpr int ticks = 40'000;
    for (const int turn : {leftArrow, rightArrow}) {
        for (const int walk : {upArrow, downArrow, comma, fullStop}) {
            Walker walker;
            walker.hold(turn);
            walker.hold(walk);
            float largest = 0;
            EXPECT_NO_THROW({
                for (int i = 0; i < ticks; ++i) {
                    walker.form.GameCode();
                    largest = std::max(largest, std::fabs(walker.state.playerAngle));
                }
            }) << turn << " with " << walk;
            EXPECT_LT(largest, 360.0f);

            const int unwrapped = (turn == rightArrow ? 2 : -2) * ticks;
            const int heading = static_cast<int>(walker.state.playerAngle);
            EXPECT_EQ(heading, walker.state.playerAngle);
            EXPECT_EQ((heading % 360 + 360) % 360, (unwrapped % 360 + 360) % 360);
        }
    }
}

TEST(KeyState, HandlersRecordHeldKeys)
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
    walker.form.picRender_KeyUp(code, shift);
    EXPECT_EQ(walker.state.keyState[upArrow], 0);
    EXPECT_EQ(code, upArrow);
    EXPECT_EQ(shift, 1);
}

TEST(KeyState, ACodeOutsideTheTableFailsAndChangesNothing)
{
    Walker walker;
    walker.hold(upArrow);
    const auto before = walker.state.keyState;
    for (std::int16_t code : {std::int16_t{256}, std::int16_t{-1}, std::int16_t{-32768}}) {
        std::int16_t shift = 0;
        EXPECT_THROW(walker.form.Form_KeyDown(code, shift), RuntimeError) << code;
        EXPECT_THROW(walker.form.Form_KeyUp(code, shift), RuntimeError) << code;
    }
    EXPECT_EQ(walker.state.keyState, before);
}

TEST(KeyState, AKeyPressedAndReleasedWithinOnePassLeavesNoTrace)
{
    for (const bool released : {true, false}) {
        FakePlatform platform;
        frmMain form(platform);
        if (released) {
            platform.script = {{FakePlatform::keyDown(upArrow), FakePlatform::keyUp(upArrow)}};
        } else {
            platform.script = {{FakePlatform::keyDown(upArrow)}};
        }
        platform.advancePerRead = 1;
        EXPECT_THROW(form.Form_Load(), ProgramEnd);
        EXPECT_EQ(form.state.playerY == 2.5f, released);
        EXPECT_EQ(form.state.playerX, 2.5f);
    }
}
