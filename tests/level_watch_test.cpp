// SPDX-License-Identifier: MIT
#include "core/level_watch.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/scratch_folder.h"

// Two saves within the second that some file systems keep times to, of a
// level picture's one length, differ only in their bytes.
TEST(LevelWatch, SeesASaveOfTheSameLengthAndTimeAndAGoneFileOnce)
{
    const ScratchFolder scratch;
    const std::filesystem::path file = scratch.path / "level.bmp";
    std::ofstream(file) << "first";
    LevelWatch watch(file.string());
    EXPECT_FALSE(watch.changed());
    const auto written = std::filesystem::last_write_time(file);
    std::ofstream(file) << "again";
    std::filesystem::last_write_time(file, written);
    EXPECT_TRUE(watch.changed());
    EXPECT_FALSE(watch.changed());
    std::filesystem::remove(file);
    EXPECT_TRUE(watch.changed());
    EXPECT_FALSE(watch.changed());
}
