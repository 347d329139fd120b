// SPDX-License-Identifier: MIT
// Fuzz target for the readers of walks from outside: a demo file, and a walk
// link, the input then being what follows "#level=" in the page's address,
// "LEVEL&walk=WALK". Whatever the bytes, a reader must neither crash nor read out of
// bounds nor allocate much, and must either refuse in one line or hand back
// a walk that plays through the program's own replay without a run-time
// error. Since a checksum refuses nearly every changed input, each is read
// again with its checksums made right, so that the changes reach the
// records behind them. Built as a libFuzzer target with QUENTAVOX_FUZZER=ON (clang), and
// otherwise driven by mutation_driver.cpp as a test.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "assets/link_letters.h"
#include "base/crc32.h"
#include "core/frmMain.h"
#include "core/headless_platform.h"
#include "sim/demo_file.h"
#include "sim/walk_link.h"

std::size_t inputsAccepted = 0;

namespace {

// Longer walks are checked but not played, so that a run stays short.
constexpr std::int64_t mostTicksPlayed = 20000;

void failed(const char* what, const std::string& problem)
{
    std::fprintf(stderr, "walk_fuzz: %s (problem: \"%s\")\n", what, problem.c_str());
    std::abort();
}

void play(Walk walk, const std::string& problem)
{
    if (!problem.empty()) {
        if (problem.find('\n') != std::string::npos) failed("refused in more than one line", problem);
        return;
    }
    ++inputsAccepted;
    if (walk.ticks > mostTicksPlayed) return;
    static HeadlessPlatform headless;
    static frmMain form(headless);
    static const bool started = (form.SetUpGame(), true);
    static_cast<void>(started);
    const std::int64_t ticks = walk.ticks;
    form.PlayWalk(std::move(walk), "fuzz");
    std::int64_t played = 0;
    while (const std::optional<WalkPass> pass = form.NextReplayedPass()) {
        form.RunPass(*pass);
        played += pass->ticks;
    }
    if (played != ticks) failed("the replay ran other ticks than the walk holds", headless.lines);
    if (!headless.lines.ends_with("\n")) failed("the replay said nothing at its end", headless.lines);
    headless.lines.clear();
}

// The demo with each block's checks made to fit what it holds: the frame's
// 16 bits after the kind and length, the CRC-32 after the content.
std::vector<unsigned char> checksummed(std::span<const unsigned char> bytes)
{
    std::vector<unsigned char> fixed(bytes.begin(), bytes.end());
    const auto put = [&](std::size_t at, std::uint32_t value, std::size_t length) {
        for (std::size_t i = 0; i < length && at + i < fixed.size(); ++i) fixed[at + i] = std::uint8_t(value >> (8 * i));
    };
    std::size_t at = std::size_t(std::find(fixed.begin(), fixed.end(), '\n') - fixed.begin()) + 1;
    while (at + 7 <= fixed.size()) {
        const std::size_t length = fixed[at + 1] | fixed[at + 2] << 8 | fixed[at + 3] << 16 | std::size_t(fixed[at + 4]) << 24;
        put(at + 5, crc32::update(0, std::span(fixed).subspan(at, 5)), 2);
        if (length > fixed.size() - at - 7) break;
        put(at + 7 + length, crc32::update(0, std::span(fixed).subspan(at, 7 + length)), 4);
        at += 7 + length + 4;
    }
    return fixed;
}

void readLink(std::string_view text, bool fixChecksum)
{
    const std::size_t split = text.find(walkLinkPart);
    if (split == std::string_view::npos) return;
    const std::string_view level = text.substr(0, split);
    std::string walk(text.substr(split + walkLinkPart.size()));
    if (fixChecksum && walk.size() > 6) {
        walk.resize(walk.size() - 6);
        const std::uint32_t crc = crc32::update(crc32::update(0, {reinterpret_cast<const unsigned char*>(level.data()), level.size()}),
                                                {reinterpret_cast<const unsigned char*>(walk.data()), walk.size()});
        for (int i = 5; i >= 0; --i) walk += linkLetters[(crc >> (6 * i)) & 63];
    }
    WalkLinkReading link = fixChecksum ? readWalkLink(level, walk) : readLevelAndWalkLink(text);
    play(std::move(link.walk), link.problem);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const unsigned char> bytes(data, size);
    if (looksLikeDemo(bytes)) {
        for (const std::vector<unsigned char>& demo : {std::vector(bytes.begin(), bytes.end()), checksummed(bytes)}) {
            DemoReading reading = readDemo(demo, "fuzz.qvd");
            play(std::move(reading.walk), reading.problem);
        }
        return 0;
    }
    for (const bool fix : {false, true}) readLink({reinterpret_cast<const char*>(data), size}, fix);
    return 0;
}
