// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "assets/level_link.h"
#include "assets/map_decoding.h"
#include "base/concat.h"
#include "core/headless_platform.h"
#include "core/timedemo.h"
#include "input/mouse_turn.h"
#include "sim/demo_file.h"
#include "sim/game_state.h"
#include "sim/walk_link.h"
#include "sim/walk_player.h"
#include "tests/fixture_pictures.h"
#include "tests/scratch_folder.h"

namespace {

MapCells fixtureLevel()
{
    MapCells cells;
    decodeMap(loadFixture("map.bmp"), cells);
    return cells;
}

const std::string level = levelLink(fixtureLevel());
const Pose start{2.5f, 2.5f, 0};

// Runs of one tick and of several, the most a pass runs, held actions and
// turns either way changing now and then, and a level change.
std::vector<WalkPass> somePasses()
{
    std::mt19937 random(7);
    std::vector<WalkPass> passes;
    for (int i = 0; i < 400; ++i) {
        WalkPass pass = passes.empty() ? WalkPass{} : passes.back();
        pass.ticks = random() % 4 ? 1 : random() % 50 ? 2 + int(random() % 5) : mostTicksPerPass;
        if (random() % 10 == 0) pass.held = Actions(random() % 64);
        pass.turn = random() % 8 ? 0 : std::int16_t(int(random() % 2001) - 1000);
        passes.push_back(pass);
    }
    return passes;
}

// A demo of the passes, a block every 100 and an empty one last, the
// level changing once, each block ending at `pose`.
std::vector<unsigned char> demoOf(const std::vector<WalkPass>& passes, Pose pose = start)
{
    DemoWriter demo("1.0.0", start, level);
    std::vector<unsigned char> records;
    WalkWriter<ByteUnits> walk{ByteUnits{records}};
    std::int64_t ticks = 0;
    for (std::size_t i = 0; i <= passes.size(); ++i) {
        if (i % 100 == 0 && i > 0) {
            walk.close();
            demo.seal(records, pose);
            records.clear();
        }
        if (i == passes.size()) break;
        if (i == 150) walk.level(level);
        walk.pass(passes[i]);
        ticks += passes[i].ticks;
    }
    demo.seal({}, pose);
    demo.end(ticks, pose);
    return demo.pending();
}

std::string shown(const WalkPass& pass)
{
    return concat(std::to_string(pass.ticks), pass.held.to_string(), std::to_string(pass.turn), " ");
}

// Each step a walk gives, as text.
std::string played(const Walk& walk, WalkPlayer* used = nullptr)
{
    WalkPlayer own(walk);
    WalkPlayer& player = used ? *used : own;
    GameState state;
    place(state, start);
    std::string steps;
    while (const auto step = player.next(state)) steps += step->level ? concat("level ", *step->level) : shown(step->pass);
    return steps;
}

std::string expected(const std::vector<WalkPass>& passes)
{
    std::string steps;
    for (std::size_t i = 0; i < passes.size(); ++i) steps += (i == 150 ? "level " + level : "") + shown(passes[i]);
    return steps;
}

}  // namespace

TEST(Walks, ADemoAndItsLinkPlayEveryPassAsRecorded)
{
    const std::vector<WalkPass> passes = somePasses();
    const DemoReading demo = readDemo(demoOf(passes), "walk.qvd");
    ASSERT_EQ(demo.problem, "");
    EXPECT_EQ(demo.walk.damage, "");
    EXPECT_EQ(played(demo.walk), expected(passes));
    WalkPlayer player(demo.walk);
    played(demo.walk, &player);
    EXPECT_TRUE(player.matchesEnd()) << player.verdict();

    const std::string link = levelAndWalkLink(demo.walk);
    const WalkLinkReading linked = readLevelAndWalkLink(link);
    ASSERT_EQ(linked.problem, "");
    EXPECT_EQ(played(linked.walk), expected(passes));
    EXPECT_EQ(levelAndWalkLink(linked.walk), link);
}

// Recorded through the form into a file, a level opened part way: FILE.part
// plays up to its last block meanwhile, and FILE, once in place, replays
// every pass, changing level at the same pass, to the same pose.
TEST(Walks, ARecordedDemoChangesLevelWhereTheWalkDidAndItsPartPlaysToItsLastBlock)
{
    const ScratchFolder folder;
    const std::string file = (folder.path / "walk.qvd").string();
    HeadlessPlatform recorder;
    frmMain form(recorder, fixturePictures());
    form.SetUpGame();
    std::string problem;
    form.recording.emplace(demoFileOutput(PartFile::create(file, problem).value(), "1.0.0"));
    form.BeginWalks();
    const auto walk = [&](int passes) {
        for (int i = 0; i < passes; ++i) {
            const WalkPass pass{1 + i % 3, Actions(1 << (i / 20 % 4)), std::int16_t(i % 7 - 3)};
            holdActions(form.state, pass.held);
            form.RunPass(pass);
        }
        form.FlushRecording();
    };
    walk(60);
    MapCells walled = fixtureLevel();
    walled(3, 3) = walled(2, 4) = 1;
    form.OpenLevel(linkedLevelPicture(levelLink(walled), "walled"), Platform::Refusal::InDialog);
    walk(60);
    const DemoReading part = readDemoFile(file + ".part");
    EXPECT_EQ(part.problem + part.walk.damage, concat(file, ".part: warning: the demo is cut short after tick ",
                                                      std::to_string(form.state.ticksRun), "; played up to there"));
    walk(10);
    EXPECT_EQ(form.recording->finish(form.state), "");

    HeadlessPlatform player;
    frmMain replayed(player, fixturePictures());
    replayed.SetUpGame();
    replayed.PlayWalk(readDemoFile(file).walk, "walk.qvd");
    while (const std::optional<WalkPass> pass = replayed.NextReplayedPass()) replayed.RunPass(*pass);
    EXPECT_EQ(poseOf(replayed.state), poseOf(form.state));
    EXPECT_TRUE(replayed.state.mapCells == walled && player.lines.ends_with("the final pose equals the recording's\n"));
}

TEST(Walks, AReplayThatStandsElsewhereSaysFromWhichTick)
{
    const std::vector<unsigned char> bytes = demoOf(somePasses(), {2.5f, 3.5f, 0});
    const DemoReading demo = readDemo(bytes, "walk.qvd");
    WalkPlayer player(demo.walk);
    played(demo.walk, &player);
    EXPECT_EQ(player.firstDifference(), demo.walk.checkpoints[0].ticks);
    EXPECT_FALSE(player.matchesEnd());
    EXPECT_EQ(player.verdict(), concat("played ", std::to_string(demo.walk.ticks), " of ",
                                       std::to_string(demo.walk.ticks), " ticks; the pose first differs from the "
                                       "recording's at tick ", std::to_string(demo.walk.checkpoints[0].ticks)));
}

TEST(Walks, ABrokenDemoIsRefusedInOneLineAndACutOnePlaysUpToItsDamage)
{
    const std::vector<unsigned char> good = demoOf(somePasses());
    MapCells holed = fixtureLevel();
    holed(0, 9) = 0;
    DemoWriter inWall("1.0.0", {0.5f, 0.5f, 0}, level);
    inWall.end(0, start);
    DemoWriter overCounted("1.0.0", start, level);
    overCounted.end(1, start);
    const auto changed = [&](std::size_t at, unsigned char byte) {
        std::vector<unsigned char> bytes = good;
        bytes[at] = byte;
        return bytes;
    };
    const std::pair<std::vector<unsigned char>, std::string> cases[] = {
        {fixtureBytes("map.bmp"), "not a Quentavox demo"},
        {changed(15, '2'), "a demo of version 2; this program plays version 1"},
        {changed(good.size() / 2, good[good.size() / 2] ^ 4), "fails its checksum"},
        {changed(17, 'E'), "fails its checksum"},
        {changed(good.size() - 27, 0x7F), "fails its checksum"},
        {overCounted.pending(), "its end says 1 ticks, its passes add up to 0"},
        {DemoWriter("1.0.0", start, levelLink(holed)).pending(), "its level is refused: pixel (0, 9): open cell"},
        {inWall.pending(), "it starts outside the open cells of its level"},
        {{good.begin(), good.begin() + 30}, "cut short in its header"},
    };
    for (const auto& [bytes, problem] : cases) {
        const std::string line = readDemo(bytes, "walk.qvd").problem;
        EXPECT_TRUE(line.starts_with("walk.qvd: error: ") && line.find(problem) != std::string::npos) << line;
        EXPECT_EQ(line.find('\n'), std::string::npos);
    }

    // Cut after its fourth block (the end and an empty last block are 54
    // bytes), and inside it.
    for (const auto& [cutOff, blocks] : {std::pair{54, 4u}, {80, 3u}}) {
        const DemoReading cut = readDemo({good.begin(), good.end() - cutOff}, "walk.qvd");
        ASSERT_EQ(cut.problem, "");
        EXPECT_EQ(cut.walk.ticks, cut.walk.checkpoints.back().ticks);
        EXPECT_EQ(cut.walk.checkpoints.size(), blocks);
        EXPECT_EQ(cut.walk.damage, concat("walk.qvd: warning: the demo is cut short after tick ",
                                          std::to_string(cut.walk.ticks), "; played up to there"));
    }
}

TEST(Walks, ABrokenWalkLinkIsRefused)
{
    const std::string link = walkLink(readDemo(demoOf(somePasses()), "walk.qvd").walk);
    std::string changed = link;
    changed[link.size() / 2] = changed[link.size() / 2] == 'A' ? 'B' : 'A';
    for (const auto& [text, problem] : {std::pair{changed, "does not match its checksum"},
                                        {link.substr(0, link.size() - 1), "does not match its checksum"},
                                        {concat("2", link.substr(1)), "is of version \"2\""},
                                        {link + "=", "none of A-Z a-z 0-9 - _, at "},
                                        {std::string(longestWalkLink + 1, 'A'), "is longer than any walk's"}}) {
        EXPECT_NE(readWalkLink(level, text).problem.find(problem), std::string::npos) << problem;
    }
    EXPECT_NE(readWalkLink(levelLink(MapCells{}), link).problem.find("checksum"), std::string::npos);
}

TEST(MouseTurn, TurnsByTheWholeDegreesOfAPassAndCarriesTheFraction)
{
    MouseTurn mouse;
    // At rest nothing turns; a slow drift of a count a pass turns a degree
    // every 17th pass (6 per 100 counts).
    std::vector<int> turns;
    for (int pass = 0; pass < 35; ++pass) {
        if (pass > 0) mouse.move(1);
        turns.push_back(mouse.take());
    }
    EXPECT_EQ(std::count(turns.begin(), turns.end(), 1), 2);
    EXPECT_EQ(turns[17] + turns[34], 2);
    // A sweep: 3,000 counts turn half a turn, however they come in.
    for (int i = 0; i < 30; ++i) mouse.move(100);
    EXPECT_EQ(mouse.take(), 180);
    // Back and forth in one pass cancels; to the left turns left, and the
    // fraction left over is kept with its sign.
    mouse.move(700);
    mouse.move(-700);
    mouse.move(-110);
    EXPECT_EQ(mouse.take(), -6);
    mouse.move(-10);
    EXPECT_EQ(mouse.take(), -1);
    EXPECT_EQ(MouseTurn(90).take(), 0);
}

// The demo `make bench` plays still ends where it was recorded; after a
// change to movement, tools/make_demo writes it again (HACKING.md).
TEST(Timedemo, TheShippedDemoEndsWhereItWasRecorded)
{
    DemoReading demo = readDemoFile(std::string(QUENTAVOX_SOURCE_DIR) + "/bench/wall_walk.qvd");
    ASSERT_EQ(demo.problem, "");
    const TimedemoResult result = runTimedemo(std::move(demo.walk), "wall_walk.qvd", fixturePictures());
    EXPECT_FALSE(result.differed) << result.lines;
    EXPECT_NE(result.lines.find(" the final pose equals the recording's\n"), std::string::npos) << result.lines;
}
