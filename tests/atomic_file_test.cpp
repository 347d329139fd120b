// SPDX-License-Identifier: MIT
// Files written whole or not at all: a failed write leaves the old file as
// it was and no temporary file behind.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

#include <filesystem>
#include <string>
#include <vector>

#include "base/atomic_file.h"
#include "base/file_bytes.h"
#include "tests/scratch_folder.h"

namespace {

const std::vector<unsigned char> oldBytes{'o', 'l', 'd'};
const std::vector<unsigned char> newBytes(5000, 'n');

std::vector<unsigned char> contents(const std::filesystem::path& path) { return readFileBytes(path).value(); }

// Only the files a test made itself: no temporary one was left.
std::size_t filesIn(const std::filesystem::path& folder)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(AtomicFile, ReplacesTheWholeFileOrLeavesTheOldOne)
{
    const ScratchFolder folder;
    const std::string level = (folder.path / "level.bmp").string();
    EXPECT_EQ(replaceFileWith(level, oldBytes), "");
    EXPECT_EQ(replaceFileWith(level, newBytes), "");
    EXPECT_EQ(contents(level), newBytes);

    // A folder that is not there, and a folder where the file should be.
    EXPECT_NE(replaceFileWith((folder.path / "gone" / "level.bmp").string(), newBytes), "");
    std::filesystem::create_directory(folder.path / "folder.bmp");
    EXPECT_NE(replaceFileWith((folder.path / "folder.bmp").string(), newBytes), "");
    EXPECT_TRUE(std::filesystem::is_directory(folder.path / "folder.bmp"));
    EXPECT_EQ(filesIn(folder.path), 2u);
}

#ifndef _WIN32
// A limit on file sizes fails the write (the signal it would send is
// ignored, as the program ignores it); the old file stays whole.
TEST(AtomicFile, AFileSizeLimitFailsTheWriteAndKeepsTheOldFile)
{
    const ScratchFolder folder;
    const std::string level = (folder.path / "level.bmp").string();
    ASSERT_EQ(replaceFileWith(level, oldBytes), "");

    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    const std::string problem = replaceFileWith(level, newBytes);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousSignal);

    EXPECT_EQ(problem, "File too large");
    EXPECT_EQ(contents(level), oldBytes);
    EXPECT_EQ(filesIn(folder.path), 1u);
}
#endif

TEST(AtomicFile, APartFileReachesItsPlaceOnlyWhenCommitted)
{
    const ScratchFolder folder;
    const std::string demo = (folder.path / "walk.demo").string();
    ASSERT_EQ(replaceFileWith(demo, oldBytes), "");
    std::string problem;
    {
        auto part = PartFile::create(demo, problem);
        ASSERT_TRUE(part) << problem;
        EXPECT_EQ(part->append(newBytes), "");
    }
    // Ended without a commit: what was appended is in the part file.
    EXPECT_EQ(contents(demo), oldBytes);
    EXPECT_EQ(contents(demo + ".part"), newBytes);

    auto part = PartFile::create(demo, problem);
    ASSERT_TRUE(part) << problem;
    EXPECT_EQ(part->append(oldBytes), "");
    EXPECT_EQ(part->append(newBytes), "");
    EXPECT_EQ(part->commit(), "");
    std::vector<unsigned char> both = oldBytes;
    both.insert(both.end(), newBytes.begin(), newBytes.end());
    EXPECT_EQ(contents(demo), both);
    EXPECT_FALSE(std::filesystem::exists(demo + ".part"));
    EXPECT_NE(part->append(oldBytes), "");

    EXPECT_FALSE(PartFile::create((folder.path / "gone" / "walk.demo").string(), problem));
    EXPECT_NE(problem, "");
}

}  // namespace
