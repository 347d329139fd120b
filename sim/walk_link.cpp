// SPDX-License-Identifier: MIT
#include "sim/walk_link.h"

#include <algorithm>

#include "assets/link_letters.h"
#include "base/concat.h"
#include "base/crc32.h"
#include "base/float_bits.h"
#include "sim/walk_check.h"
#include "sim/walk_records.h"

namespace {

constexpr char version = '1';
constexpr std::size_t poseLetters = 3 * 6;
constexpr std::size_t ticksLetters = 5;
constexpr std::size_t crcLetters = 6;
constexpr std::size_t endLetters = ticksLetters + poseLetters + crcLetters;

void putFixed(std::string& text, std::uint64_t value, std::size_t letters)
{
    for (std::size_t i = letters; i-- > 0;) text += linkLetters[(value >> (6 * i)) & 63];
}

void putPose(std::string& text, const Pose& pose)
{
    for (const float value : {pose.x, pose.y, pose.angle}) putFixed(text, floatBits(value), 6);
}

// Letters already known to be letters.
std::uint64_t fixed(std::string_view text)
{
    std::uint64_t value = 0;
    for (const char letter : text) value = value << 6 | std::uint64_t(linkLetterValue(letter));
    return value;
}

Pose pose(std::string_view text)
{
    const auto single = [&](std::size_t i) { return floatFromBits(std::uint32_t(fixed(text.substr(6 * i, 6)))); };
    return {single(0), single(1), single(2)};
}

std::uint32_t checksum(std::string_view level, std::string_view walk)
{
    const auto bytes = [](std::string_view text) {
        return std::span(reinterpret_cast<const unsigned char*>(text.data()), text.size());
    };
    return crc32::update(crc32::update(0, bytes(level)), bytes(walk));
}

// Every step of `from` written by `to`, each run at once.
template <class From, class To>
std::string copySteps(WalkReader<From>& from, WalkWriter<To>& to, std::int64_t& ticks)
{
    while (const std::optional<WalkStep> step = from.next()) {
        if (step->level) {
            to.level(*step->level);
            continue;
        }
        const std::uint32_t more = from.skipRun();
        ticks += std::int64_t{step->pass.ticks} * (1 + std::int64_t{more});
        if (ticks > mostWalkTicks) return "the walk lasts longer than a day";
        to.passes(step->pass, more);
    }
    to.close();
    return from.problem();
}

}  // namespace

std::string walkLink(const Walk& walk)
{
    std::string text(1, version);
    putPose(text, walk.start);
    WalkReader<ByteReader> from(ByteReader{walk.records});
    WalkWriter<LetterUnits> to(LetterUnits{text});
    std::int64_t ticks = 0;
    copySteps(from, to, ticks);
    putFixed(text, std::uint64_t(walk.end->ticks), ticksLetters);
    putPose(text, walk.end->pose);
    putFixed(text, checksum(walk.level, text), crcLetters);
    return text;
}

std::string levelAndWalkLink(const Walk& walk) { return concat(walk.level, walkLinkPart, walkLink(walk)); }

WalkLinkReading readLevelAndWalkLink(std::string_view text)
{
    const std::size_t split = std::min(text.find(walkLinkPart), text.size());
    return readWalkLink(text.substr(0, split), text.substr(std::min(split + walkLinkPart.size(), text.size())));
}

WalkLinkReading readWalkLink(std::string_view level, std::string_view text)
{
    WalkLinkReading reading;
    const auto refuse = [&](std::string_view problem) {
        reading.problem = concat("the walk link ", problem);
        return std::move(reading);
    };
    if (text.size() > longestWalkLink) {
        return refuse(concat("is longer than any walk's (", std::to_string(longestWalkLink), " characters)"));
    }
    const auto bad = std::find_if(text.begin(), text.end(), [](char letter) { return linkLetterValue(letter) < 0; });
    if (bad != text.end()) {
        return refuse(concat("holds a character that is none of A-Z a-z 0-9 - _, at ",
                             std::to_string(bad - text.begin() + 1)));
    }
    if (text.empty() || text[0] != version) {
        return refuse(concat("is of version \"", text.substr(0, 1), "\"; this program reads version \"",
                             std::string(1, version), "\""));
    }
    if (text.size() < 1 + poseLetters + endLetters) return refuse("is too short to hold a walk");
    const std::size_t end = text.size() - endLetters;
    if (fixed(text.substr(text.size() - crcLetters)) != checksum(level, text.substr(0, text.size() - crcLetters))) {
        return refuse("does not match its checksum: a character of it, or of its level, was changed or lost");
    }
    Walk& walk = reading.walk;
    walk.level = level;
    walk.start = pose(text.substr(1, poseLetters));
    walk.end = WalkEnd{std::int64_t(fixed(text.substr(end, ticksLetters))),
                       pose(text.substr(end + ticksLetters, poseLetters))};
    WalkReader<LetterReader> from(LetterReader{text, 1 + poseLetters, end});
    WalkWriter<ByteUnits> to(ByteUnits{walk.records});
    std::int64_t ticks = 0;
    const std::string problem = copySteps(from, to, ticks);
    if (!problem.empty()) return refuse(concat("is wrong: ", problem));
    WalkCheck check(walk);
    check.through(walk.records.size());
    if (!check.problem().empty()) return refuse(concat("is refused: ", check.problem()));
    if (walk.ticks != walk.end->ticks) return refuse("ends after other ticks than its passes add up to");
    return reading;
}
