// SPDX-License-Identifier: MIT
#pragma once
// A demo: a recorded walk in a file of its own, played again tick for tick
// without the level file, since it carries its level.
//
// The file starts with the line "Quentavox demo 1" (the format and its
// version), then blocks, each a kind letter, the length of its content (32
// bits), a 16-bit check of those two, the content and a CRC-32 of it all;
// numbers are little-endian, a pose is three 32-bit floats (x, y, angle)
// bit for bit:
//   H  once, first: the program's version (a byte of length, the text),
//      the tick length in ms (a byte), the start pose, the level's link
//      text (16 bits of length, the text)
//   B  the passes since the block before, as walk_records.h writes them,
//      then the pose they left the player in
//   E  once, last: the ticks of the whole walk (64 bits) and the pose at
//      the end
// The recorder writes a block about once a second, so a file whose end was
// lost plays up to its last whole block.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sim/walk.h"

inline constexpr std::string_view demoSignature = "Quentavox demo ";
// The longest demo read: more than a day of walking takes fewer bytes.
inline constexpr std::size_t longestDemo = 2 * 1024 * 1024;

// Whether the bytes start as a demo does, whatever version it is.
bool looksLikeDemo(std::span<const unsigned char> start);
// The same for the start of a file, named in UTF-8.
bool fileIsDemo(std::string_view fileName);

class DemoWriter {
public:
    DemoWriter(std::string_view programVersion, const Pose& start, std::string_view level);

    // What is to be added to the file: the signature and header to begin
    // with, after each seal() a block of the records (whole ones, as
    // walk_records.h writes them) and the pose they left the player in,
    // and after end() the end. Cleared by take().
    void seal(std::span<const unsigned char> records, const Pose& after);
    void end(std::int64_t ticks, const Pose& at);
    const std::vector<unsigned char>& pending() const { return out; }
    void take() { out.clear(); }

private:
    void beginBlock(char kind);
    void endBlock();

    std::vector<unsigned char> out;
    std::size_t blockStart = 0;
};

struct DemoReading {
    Walk walk;
    // When the demo is refused: "NAME: error: WHAT", one line, no newline.
    std::string problem;
};

// `name` is only for the line.
DemoReading readDemo(std::span<const unsigned char> bytes, std::string_view name);
// The same for a file, named in UTF-8; reads no more than longestDemo.
DemoReading readDemoFile(std::string_view fileName);
