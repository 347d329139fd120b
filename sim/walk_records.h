// SPDX-License-Identifier: MIT
#pragma once
// The passes of a walk as a stream of whole numbers, written in bytes in a
// demo file and in letters in a walk link.
//
// A number goes low bits first in units of 7 bits (a byte) or 5 bits (a
// letter, A-Z a-z 0-9 - _ worth 0 to 63), the next bit of each unit set
// when another follows. Each record is one number n. Most passes run one
// tick, so an even n is a run of n / 2 + 1 passes of one tick each; an odd
// n is kind + 4 x value, from (n - 1) / 2:
//   kind 0  one pass of value + 2 ticks
//   kind 1  the actions held from the next pass on, one bit each in the
//           order of input/actions.h
//   kind 2  the next pass's turn at its first tick: 1, 3, 5... for 1, 2,
//           3... degrees to the right, 2, 4, 6... to the left
//   kind 3  the level changes to the one whose level link is the next
//           `value` units, one character each
// A pass that turns, or follows a change of the actions, starts a run of
// its own; every other pass of one tick joins the run before it.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "sim/walk.h"

// Letters and bytes as units of numbers.
struct ByteUnits {
    static constexpr int bits = 7;
    std::vector<unsigned char>& out;
    void put(std::uint32_t unit) { out.push_back(static_cast<unsigned char>(unit)); }
    void put(std::string_view text) { out.insert(out.end(), text.begin(), text.end()); }
};

struct LetterUnits {
    static constexpr int bits = 5;
    std::string& out;
    void put(std::uint32_t unit);
    void put(std::string_view text) { out += text; }
};

// Reads units from `text` up to `end`; fails at the end or at a character
// that is no unit.
template <class Text>
struct UnitReader {
    static constexpr int bits = std::is_same_v<Text, std::string_view> ? 5 : 7;
    Text text;
    std::size_t at = 0;
    std::size_t end = text.size();
    std::optional<std::uint32_t> unit();
    std::optional<std::string_view> take(std::size_t length);
};
using ByteReader = UnitReader<std::span<const unsigned char>>;
using LetterReader = UnitReader<std::string_view>;

template <class Units>
class WalkWriter {
public:
    explicit WalkWriter(Units units) : units(units) {}

    void pass(const WalkPass& pass);
    // The pass, then `more` passes of one tick like it without its turn.
    void passes(const WalkPass& pass, std::uint32_t more);
    void level(std::string_view link);
    // Writes the run still open, so that what is written so far is whole.
    void close();

private:
    void number(std::uint32_t value);
    void record(std::uint32_t kind, std::uint32_t value);

    Units units;
    Actions held;
    // The passes of one tick gathered for the next run.
    std::uint32_t runPasses = 0;
};

// What a walk's records hold next.
struct WalkStep {
    WalkPass pass;
    // A level link, when the level changes here instead of a pass.
    std::optional<std::string_view> level;
};

template <class Reader>
class WalkReader {
public:
    explicit WalkReader(Reader reader) : reader(reader) {}

    // The next pass or level change; nothing at the end of the records or
    // where they are wrong, which `problem` then says.
    std::optional<WalkStep> next();
    // After a pass: the passes of its run still to come, which are then
    // skipped, so a long run is counted at once.
    std::uint32_t skipRun() { return std::exchange(runLeft, 0); }
    bool atRecordEnd() const { return runLeft == 0; }
    std::size_t at() const { return reader.at; }
    void limit(std::size_t end) { reader.end = end; }
    const std::string& problem() const { return wrong; }

private:
    Reader reader;
    Actions held;
    std::int16_t turn = 0;
    std::uint32_t runLeft = 0;
    std::int32_t runTicks = 1;
    std::string wrong;
};
