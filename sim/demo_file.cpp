// SPDX-License-Identifier: MIT
#include "sim/demo_file.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>

#include "base/concat.h"
#include "base/crc32.h"
#include "base/float_bits.h"
#include "sim/walk_check.h"
#include "sim/walk_records.h"

namespace {

constexpr std::string_view formatVersion = "1";
constexpr std::int32_t tickMs = 8;
// A block's kind, length and their own check before its content, its CRC
// after. A length whose check fails was changed, one that runs past the end
// of the file was cut short.
constexpr std::size_t kindAndLength = 1 + 4;
constexpr std::size_t blockFrame = kindAndLength + 2;
constexpr std::size_t crcBytes = 4;
constexpr std::size_t poseBytes = 12;

void putNumber(std::vector<unsigned char>& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i, value >>= 8) out.push_back(static_cast<unsigned char>(value));
}

void putPose(std::vector<unsigned char>& out, const Pose& pose)
{
    for (const float value : {pose.x, pose.y, pose.angle}) putNumber(out, floatBits(value), 4);
}

// Reads the content of one block, failing past its end.
struct Content {
    std::span<const unsigned char> bytes;
    std::size_t at = 0;
    bool ok = true;

    std::uint64_t number(int length)
    {
        std::uint64_t value = 0;
        if (bytes.size() - at < std::size_t(length)) {
            ok = false;
            return 0;
        }
        for (int i = length; i-- > 0;) value = value << 8 | bytes[at + std::size_t(i)];
        at += std::size_t(length);
        return value;
    }
    std::string text(int lengthBytes)
    {
        const std::size_t length = number(lengthBytes);
        if (!ok || bytes.size() - at < length) {
            ok = false;
            return {};
        }
        at += length;
        return {bytes.begin() + std::ptrdiff_t(at - length), bytes.begin() + std::ptrdiff_t(at)};
    }
    Pose pose()
    {
        const auto single = [&] { return floatFromBits(std::uint32_t(number(4))); };
        const float x = single();
        const float y = single();
        return {x, y, single()};
    }
};

}  // namespace

bool looksLikeDemo(std::span<const unsigned char> start)
{
    return start.size() >= demoSignature.size() && std::equal(demoSignature.begin(), demoSignature.end(), start.begin());
}

namespace {

std::filesystem::path pathOf(std::string_view fileName)
{
    return std::filesystem::path(std::u8string(fileName.begin(), fileName.end()));
}

}  // namespace

bool fileIsDemo(std::string_view fileName)
{
    std::ifstream file(pathOf(fileName), std::ios::binary);
    std::array<unsigned char, demoSignature.size()> start{};
    file.read(reinterpret_cast<char*>(start.data()), std::streamsize(start.size()));
    return file && looksLikeDemo(start);
}

DemoWriter::DemoWriter(std::string_view programVersion, const Pose& start, std::string_view level)
{
    const std::string firstLine = concat(demoSignature, formatVersion, "\n");
    out.assign(firstLine.begin(), firstLine.end());
    beginBlock('H');
    programVersion = programVersion.substr(0, 255);
    putNumber(out, programVersion.size(), 1);
    out.insert(out.end(), programVersion.begin(), programVersion.end());
    putNumber(out, tickMs, 1);
    putPose(out, start);
    putNumber(out, level.size(), 2);
    out.insert(out.end(), level.begin(), level.end());
    endBlock();
}

void DemoWriter::beginBlock(char kind)
{
    blockStart = out.size();
    out.push_back(static_cast<unsigned char>(kind));
    putNumber(out, 0, blockFrame - 1);
}

void DemoWriter::endBlock()
{
    const std::size_t length = out.size() - blockStart - blockFrame;
    const auto frame = std::span(out).subspan(blockStart);
    for (std::size_t i = 0; i < 4; ++i) frame[1 + i] = static_cast<unsigned char>(length >> (8 * i));
    const std::uint32_t frameCrc = crc32::update(0, frame.first(kindAndLength));
    frame[kindAndLength] = static_cast<unsigned char>(frameCrc);
    frame[kindAndLength + 1] = static_cast<unsigned char>(frameCrc >> 8);
    putNumber(out, crc32::update(0, frame), 4);
}

void DemoWriter::seal(std::span<const unsigned char> records, const Pose& after)
{
    beginBlock('B');
    out.insert(out.end(), records.begin(), records.end());
    putPose(out, after);
    endBlock();
}

void DemoWriter::end(std::int64_t ticks, const Pose& at)
{
    beginBlock('E');
    putNumber(out, std::uint64_t(ticks), 8);
    putPose(out, at);
    endBlock();
}

DemoReading readDemo(std::span<const unsigned char> bytes, std::string_view name)
{
    DemoReading reading;
    Walk& walk = reading.walk;
    const auto refuse = [&](std::string_view problem) {
        reading.problem = concat(name, ": error: ", problem);
        return std::move(reading);
    };
    if (!looksLikeDemo(bytes)) return refuse("not a Quentavox demo");
    if (bytes.size() > longestDemo) {
        return refuse(concat("longer than any demo (", std::to_string(longestDemo / 1024 / 1024), " MB)"));
    }
    const auto lineEnd = std::find(bytes.begin() + std::ptrdiff_t(demoSignature.size()),
                                   bytes.begin() + std::ptrdiff_t(std::min(bytes.size(), demoSignature.size() + 6)), '\n');
    const std::string version(bytes.begin() + std::ptrdiff_t(demoSignature.size()), lineEnd);
    if (version != formatVersion) {
        const bool shown = std::all_of(version.begin(), version.end(), [](char c) { return c >= '0' && c <= '9'; });
        return refuse(concat("a demo of version ", shown && !version.empty() ? version : "unknown",
                             "; this program plays version ", formatVersion));
    }
    std::size_t at = demoSignature.size() + formatVersion.size() + 1;
    std::optional<WalkCheck> check;
    // Where the file was cut short, if it was: it plays up to there.
    const auto cutShort = [&] {
        walk.damage = concat(name, ": warning: the demo is cut short after tick ", std::to_string(walk.ticks),
                             "; played up to there");
        return std::move(reading);
    };
    while (at < bytes.size() && !walk.end) {
        const std::size_t start = at;
        if (bytes.size() - at < blockFrame + crcBytes) return check ? cutShort() : refuse("cut short in its header");
        const char kind = char(bytes[at]);
        Content frame{bytes.subspan(at + 1, blockFrame - 1)};
        const std::size_t length = frame.number(4);
        const auto damaged = [&] {
            return refuse(concat("damaged: the block at byte ", std::to_string(start), " fails its checksum"));
        };
        if (frame.number(2) != (crc32::update(0, bytes.subspan(at, kindAndLength)) & 0xFFFF)) return damaged();
        if (bytes.size() - at - blockFrame - crcBytes < length) return check ? cutShort() : refuse("cut short in its header");
        at += blockFrame + length;
        Content content{bytes.subspan(start + blockFrame, length)};
        if (Content{bytes.subspan(at, crcBytes)}.number(4) != crc32::update(0, bytes.subspan(start, blockFrame + length))) {
            return damaged();
        }
        at += crcBytes;
        const auto where = [&] { return concat("the block at byte ", std::to_string(start)); };
        if ((kind == 'H') == check.has_value()) return refuse(check ? concat(where(), " is a second header") : "it has no header");
        if (kind == 'H') {
            const std::string program = content.text(1);
            const std::int64_t tick = std::int64_t(content.number(1));
            walk.start = content.pose();
            walk.level = content.text(2);
            if (!content.ok || content.at != length) return refuse("its header is not of its length");
            if (tick != tickMs) {
                return refuse(concat("recorded with ticks of ", std::to_string(tick), " ms; this program runs ",
                                     std::to_string(tickMs), " ms ticks"));
            }
            check.emplace(walk);
        } else if (kind == 'B') {
            if (length < poseBytes) return refuse(concat(where(), " is too short for a block of passes"));
            const auto records = content.bytes.first(length - poseBytes);
            walk.records.insert(walk.records.end(), records.begin(), records.end());
            check->through(walk.records.size());
            content.at = length - poseBytes;
            walk.checkpoints.push_back({walk.records.size(), walk.ticks, content.pose()});
        } else if (kind == 'E') {
            const std::int64_t ticks = std::int64_t(content.number(8));
            walk.end = WalkEnd{ticks, content.pose()};
            if (!content.ok || content.at != length) return refuse(concat(where(), " is not an end of its length"));
            if (ticks != walk.ticks) {
                return refuse(concat("its end says ", std::to_string(ticks), " ticks, its passes add up to ",
                                     std::to_string(walk.ticks)));
            }
        } else {
            return refuse(concat(where(), " is of no kind this program knows"));
        }
        if (!check->problem().empty()) return refuse(check->problem());
    }
    if (!check) return refuse("cut short in its header");
    if (at < bytes.size()) return refuse(concat("it goes on past its end, at byte ", std::to_string(at)));
    return walk.end ? std::move(reading) : cutShort();
}

DemoReading readDemoFile(std::string_view fileName)
{
    std::ifstream file(pathOf(fileName), std::ios::binary);
    std::vector<unsigned char> bytes(longestDemo + 1);
    file.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    if (file.bad() || (!file && !file.eof())) {
        DemoReading reading;
        reading.problem = concat(fileName, ": error: cannot be read");
        return reading;
    }
    bytes.resize(std::size_t(file.gcount()));
    return readDemo(bytes, fileName);
}
