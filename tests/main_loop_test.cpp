// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

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

// A close request made during start-up arrives after the first frame; one
// made later ends its pass at once, before the ticks and the next frame.
TEST(MainLoop, ACloseRequestEndsThePassItArrivesIn)
{
    ScriptedRun run({});
    run.toTheEnd();
    EXPECT_EQ(run.platform.shows, 1);
    EXPECT_EQ(run.frames(), 1u);
    EXPECT_TRUE(run.platform.captions.empty());
    // Shown in the 320 x 240 box: 316 x 236 inside a two-pixel sunken edge.
    EXPECT_EQ(run.form.picRender.BorderWidth(), 2);

    ScriptedRun later({{FakePlatform::advance(9)}, {FakePlatform::advance(2000), FakePlatform::close()}, {}});
    later.toTheEnd();
    EXPECT_EQ(later.frames(), 2u);
    EXPECT_EQ(later.ticks(), 1);  // the 250 ticks of the closing pass never ran
    EXPECT_EQ(later.platform.captions.size(), 1u);
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

TEST(MainLoop, EachPassWaitsForTheReadingNineMillisecondsAfterLastTickAndCountsTheOneItGets)
{
    // However long a frame took, the wait asks for lastTick + 9, and the pass
    // ends at the reading the wait returns at: the tick asked for after a
    // quick frame, the one already reached after a slow one.
    ScriptedRun run({{}, {FakePlatform::advance(8)}, {FakePlatform::advance(9)}, {FakePlatform::advance(30)}});
    const std::int64_t start = run.platform.now;
    run.toTheEnd();
    EXPECT_EQ(run.platform.waitedFor, (std::vector<std::int64_t>{start + 9, start + 18, start + 27, start + 36}));
    EXPECT_EQ(run.platform.presentedAt,
              (std::vector<std::int64_t>{start, start + 9, start + 18, start + 27, start + 57}));
    EXPECT_EQ(run.ticks(), 1 + 1 + 1 + 3);

    // A wake-up 7 ms late makes 16 ms passes of two ticks, each counted
    // from the reading the late wait returned at.
    ScriptedRun late({{}, {}});
    late.platform.wakeLate = 7;
    late.toTheEnd();
    EXPECT_EQ(late.platform.waitedFor, (std::vector<std::int64_t>{start + 9, start + 25}));
    EXPECT_EQ(late.ticks(), 4);
}

TEST(MainLoop, CaptionShowsOneFrameAfterTheFirstPassThenUpdatesEverySecondFromAFreshClockRead)
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
    // With the clock moving 1 ms per read, the update of the first pass
    // stamps the read after its test. The second pass tests a clock read
    // 3 ms after that stamp plus the scripted time, so 996 ms is not enough
    // and 997 is; a stamp reusing the test's read would already fire at 996.
    for (const auto& [scripted, updates] : {std::pair{996, 1u}, {997, 2u}}) {
        ScriptedRun run({{FakePlatform::advance(20)}, {FakePlatform::advance(scripted)}});
        run.platform.advancePerRead = 1;
        run.toTheEnd();
        EXPECT_EQ(run.platform.captions.size(), updates) << scripted;
    }
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
