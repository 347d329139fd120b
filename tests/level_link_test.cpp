// SPDX-License-Identifier: MIT
#include "assets/level_link.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "assets/cells_to_bmp.h"
#include "assets/map_cells.h"
#include "assets/map_decoding.h"
#include "gfx/surface.h"
#include "tests/fixture_pictures.h"
#include "tests/runtime_error.h"

namespace {

template <class Code>
MapCells cellsWhere(Code code)
{
    MapCells cells;
    for (int y = 0; y < MapCells::Size; ++y) {
        for (int x = 0; x < MapCells::Size; ++x) cells(x, y) = std::int16_t(code(x, y));
    }
    return cells;
}

// Walls of code 2 all round, open floor inside.
MapCells emptyHall() { return cellsWhere([](int x, int y) { return x % 63 == 0 || y % 63 == 0 ? 2 : 0; }); }

TEST(LevelLink, EveryLevelComesBackCellForCellAndAsTheSamePicture)
{
    // Stripes: each row differs from the one above, so no run can copy a row.
    std::mt19937 random(1);
    const std::vector<std::pair<const char*, MapCells>> levels{
        {"built-in", fixtureCells()},
        {"empty hall", emptyHall()},
        {"all floor", cellsWhere([](int, int) { return 0; })},
        {"all walls", cellsWhere([](int, int) { return 5; })},
        {"noise", cellsWhere([&](int, int) { return random() % 6; })},
        {"stripes", cellsWhere([](int x, int y) { return (x + y) % 2 * 5; })}};
    for (const auto& [name, cells] : levels) {
        const std::string link = levelLink(cells);
        EXPECT_LE(link.size(), longestLevelLink) << name;
        const LevelLinkReading reading = readLevelLink(link);
        EXPECT_EQ(reading.problem, "") << name;
        EXPECT_TRUE(reading.cells == cells) << name;
        MapCells drawn;
        decodeMap(Surface::fromBmp(cellsToBmp(cells), name), drawn);
        EXPECT_TRUE(drawn == cells) << name;
    }
    // The picture is the file the level is shipped as, byte for byte.
    EXPECT_EQ(cellsToBmp(fixtureCells()), fixtureBytes("map.bmp"));
    EXPECT_EQ(runtimeErrorOf([] { cellsToBmp(cellsWhere([](int, int) { return -1; })); }),
              "cell code -1 has no level colour");
    // A hall of repeated rows takes a few letters.
    EXPECT_LT(levelLink(emptyHall()).size(), 24u);
}

// The example in level_link.h, worked out from the format described there: the
// hall with a red cell at (5, 1), row 2 written out and rows 3 to 62 copied.
TEST(LevelLink, ReadsTheLinkItsDescriptionGives)
{
    MapCells expected = emptyHall();
    expected(5, 1) = 3;
    const LevelLinkReading reading = readLevelLink("1X4BQDYHxBQQH2BQ_43DX4BBYK9");
    EXPECT_EQ(reading.problem, "");
    EXPECT_TRUE(reading.cells == expected);
}

TEST(LevelLink, RefusesWhatNoLevelWroteInOneLine)
{
    const std::string good = levelLink(fixtureCells());
    const std::string hall = levelLink(emptyHall());
    std::string changed = good;
    changed[good.size() / 2] = changed[good.size() / 2] == 'B' ? 'C' : 'B';
    std::string badChecksum = good;
    badChecksum.back() = badChecksum.back() == 'A' ? 'B' : 'A';
    const std::string megabyte(1 << 20, 'A');
    struct Case {
        std::string text;
        std::string problem;
    };
    const std::vector<Case> cases{
        {"", "the level link is empty"},
        {"2" + good.substr(1), "the level link is of version \"2\"; this program reads version \"1\""},
        {good.substr(0, 9) + "%2" + good.substr(11),
         "the level link's character 10 (\"%\") is none of A-Z a-z 0-9 - _"},
        {"1 " + good.substr(2), "the level link's character 2 (byte 32) is none of A-Z a-z 0-9 - _"},
        {"1\xC3\xA9" + good.substr(3), "the level link's character 2 (byte 195) is none of A-Z a-z 0-9 - _"},
        {"1AB", "the level link is too short to hold a level (3 characters)"},
        {hall.substr(0, hall.size() - 1), "the level link ends after 4033 of the 4096 cells"},
        {hall + "A", "the level link goes on past the last cell, from character 15"},
        {badChecksum, "the level link's checksum does not match its cells: a character of it was changed or lost"},
        // A run of copies first, and a run of 8 + 4095 floor cells.
        {"14AAAA", "the level link's run at character 2 repeats a row above the first"},
        {"1H__DAAAA", "the level link's run at character 2 goes past the last cell"},
        {"1H___AAAA", "the level link's run at character 2 is longer than a level"},
        {megabyte, "the level link is longer than any level's (4101 characters)"},
    };
    // A run of the one code the link has room for beyond the textures.
    if (highestWallCode < 6) {
        EXPECT_EQ(readLevelLink("1wAAAA").problem,
                  "the level link's character 2 (\"w\") is a run of wall code 6, which has no texture here");
    }
    for (const Case& each : cases) {
        EXPECT_EQ(readLevelLink(each.text).problem, each.problem) << each.text.substr(0, 40);
    }
    // A changed letter in the middle breaks a run or the checksum.
    EXPECT_NE(readLevelLink(changed).problem, "");
}

}  // namespace
