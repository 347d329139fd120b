// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "core/frmMain.h"
#include "input/key_codes.h"
#include "tests/fake_platform.h"
#include "tests/fixture_pictures.h"

namespace {

using Event = FakePlatform::Event;
using vk::rightArrow;

struct ScriptedRun {
    FakePlatform platform;
    frmMain form{platform, fixturePictures()};

    explicit ScriptedRun(std::initializer_list<std::vector<Event>> passes) { platform.script = passes; }

    // Runs the program until the close request that ends every script.
    void toTheEnd()
    {
        EXPECT_THROW(form.Form_Load(), ProgramEnd);
        EXPECT_EQ(form.state.quitRequested, trueFlag);
    }

    std::int64_t ticks() const { return form.state.ticksRun; }
    std::size_t frames() const { return platform.presentedAt.size(); }
};

}  // namespace

// A close request made during start-up arrives after the first frame.
TEST(MainLoop, ACloseRequestAtOnceStillShowsTheWindowAndOneFrame)
{
    ScriptedRun run({});
    run.toTheEnd();
    EXPECT_EQ(run.platform.shows, 1);
    EXPECT_EQ(run.frames(), 1u);
    EXPECT_TRUE(run.platform.captions.empty());
    // Shown in the 320 x 240 box: 316 x 236 inside a two-pixel sunken edge.
    EXPECT_EQ(run.form.picRender.BorderWidth(), 2);
}

TEST(MainLoop, RunsOneTickPerWholeEightMillisecondsAndDropsTheRest)
{
    // Every tick turns the player; the first pass runs one and drops 1 ms. A
    // stall longer than the 16-bit elapsed time can hold runs a single tick.
    for (const auto& [elapsed, expected] : {std::pair{9, 1}, {15, 1}, {16, 2}, {23, 2}, {24, 3}, {2000, 250},
                                            {32767, 4095}, {32768, 1}, {40'000'000, 1}}) {
        ScriptedRun run(
            {{FakePlatform::keyDown(rightArrow), FakePlatform::advance(9)}, {FakePlatform::advance(elapsed)}});
        run.toTheEnd();
        EXPECT_EQ(run.ticks(), 1 + expected) << elapsed << " ms";
        EXPECT_EQ(run.form.state.playerAngle, float(2 * (1 + expected) % 360)) << elapsed << " ms";
    }
}

TEST(MainLoop, APassEndsAtTheFirstClockReadingNineMillisecondsAfterTheLast)
{
    // The clock moves only by the script, so the reading that ends a pass is
    // exactly the scripted one: passes given 9 ms each are 9 ms apart and run
    // one tick each; a pass given 8 ms waits for a reading that never comes.
    ScriptedRun run({{FakePlatform::advance(9)}, {FakePlatform::advance(9)}, {FakePlatform::advance(9)}});
    run.toTheEnd();
    ASSERT_EQ(run.frames(), 4u);
    for (std::size_t i = 1; i < run.frames(); ++i) {
        EXPECT_EQ(run.platform.presentedAt[i] - run.platform.presentedAt[i - 1], 9);
    }
    EXPECT_EQ(run.ticks(), 3);
    ScriptedRun shorter({{FakePlatform::advance(9)}, {FakePlatform::advance(8)}});
    EXPECT_THROW(shorter.form.Form_Load(), std::logic_error);
    EXPECT_EQ(shorter.ticks(), 1);
}

TEST(MainLoop, TheWaitSleepsUntilOneMillisecondBeforeThePassEndsAndWatchesTheClockAfter)
{
    // The clock moves 1 ms per read: the wait's first read comes `drawn` + 1
    // ms after lastTick, and the pass still ends at the read that gives 9 ms.
    for (const auto& [drawn, sleeps, ticks] : {std::tuple{0, std::vector<std::int64_t>{7}, 1},
                                               {6, {1}, 1},
                                               {7, {}, 1},
                                               {30, {}, 4}}) {
        ScriptedRun run({{FakePlatform::advance(drawn)}});
        run.platform.advancePerRead = 1;
        run.toTheEnd();
        EXPECT_EQ(run.platform.sleeps, sleeps) << drawn << " ms drawing";
        EXPECT_EQ(run.ticks(), ticks) << drawn << " ms drawing";
    }
}

TEST(MainLoop, CaptionShowsOneFrameAfterTheFirstPassThenUpdatesEverySecond)
{
    // The first pass stamps the update at 9 ms; the third pass tests at 999
    // or 1000 ms after that stamp.
    for (const auto& [last, updates] : {std::pair{17, 1u}, {18, 2u}}) {
        ScriptedRun run({{FakePlatform::advance(9)}, {FakePlatform::advance(982)}, {FakePlatform::advance(last)}});
        run.toTheEnd();
        ASSERT_EQ(run.platform.captions.size(), updates) << last;
        EXPECT_EQ(run.platform.captions[0], "Quentavox - 1fps");
        if (updates == 2) {
            EXPECT_EQ(run.platform.captions[1], "Quentavox - 2fps");
            EXPECT_EQ(run.form.state.framesPerSecond, 2);
        }
    }
}

TEST(MainLoop, CaptionIntervalCountsFromAFreshClockRead)
{
    // With the clock moving 1 ms per read, the update of the first pass
    // stamps the read after its test. The second pass tests a clock read
    // 4 ms after that stamp plus the scripted time, so 995 ms is not enough
    // and 996 is; a stamp reusing the test's read would already fire at 995.
    for (const auto& [scripted, updates] : {std::pair{995, 1u}, {996, 2u}}) {
        ScriptedRun run({{FakePlatform::advance(20)}, {FakePlatform::advance(scripted)}});
        run.platform.advancePerRead = 1;
        run.toTheEnd();
        EXPECT_EQ(run.platform.captions.size(), updates) << scripted;
    }
}

TEST(MainLoop, CloseRequestEndsThePassAtOnce)
{
    ScriptedRun run({{FakePlatform::advance(9)},
             {FakePlatform::advance(2000), FakePlatform::close()},
             {FakePlatform::advance(9)}});
    run.toTheEnd();
    EXPECT_EQ(run.frames(), 2u);           // no frame after the close request
    EXPECT_EQ(run.ticks(), 1);              // the 250 ticks of the closing pass never ran
    EXPECT_EQ(run.platform.captions.size(), 1u);
}

TEST(MainLoop, AKeyPressedAndReleasedWithinOnePassLeavesNoTrace)
{
    ScriptedRun run({{FakePlatform::keyDown(rightArrow), FakePlatform::keyUp(rightArrow),
              FakePlatform::keyDown(vk::upArrow), FakePlatform::keyUp(vk::upArrow), FakePlatform::advance(50)}});
    run.toTheEnd();
    EXPECT_EQ(run.ticks(), 6);
    EXPECT_EQ(run.form.state.playerAngle, 0.0f);
    EXPECT_EQ(run.form.state.playerY, 2.5f);
}
