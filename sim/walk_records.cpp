// SPDX-License-Identifier: MIT
#include "sim/walk_records.h"

#include "assets/link_letters.h"
#include "base/concat.h"

namespace {

enum Kind : std::uint32_t { longPass, holding, turning, levelChange, kinds };

std::uint32_t zigzag(std::int16_t turn) { return turn > 0 ? 2 * std::uint32_t(turn) - 1 : 2 * std::uint32_t(-turn); }
std::int32_t unzigzag(std::uint32_t value) { return value % 2 ? std::int32_t(value / 2 + 1) : -std::int32_t(value / 2); }

}  // namespace

void LetterUnits::put(std::uint32_t unit) { out += linkLetters[unit]; }

template <class Text>
std::optional<std::uint32_t> UnitReader<Text>::unit()
{
    if (at >= end) return std::nullopt;
    if constexpr (bits == 5) {
        const std::int32_t value = linkLetterValue(text[at]);
        if (value < 0) return std::nullopt;
        ++at;
        return std::uint32_t(value);
    } else {
        return text[at++];
    }
}

template <class Text>
std::optional<std::string_view> UnitReader<Text>::take(std::size_t length)
{
    if (length > end - at) return std::nullopt;
    const std::string_view taken(reinterpret_cast<const char*>(text.data()) + at, length);
    at += length;
    return taken;
}

template struct UnitReader<std::span<const unsigned char>>;
template struct UnitReader<std::string_view>;

template <class Units>
void WalkWriter<Units>::number(std::uint32_t value)
{
    constexpr std::uint32_t more = 1u << Units::bits;
    while (value >= more) {
        units.put(value % more + more);
        value /= more;
    }
    units.put(value);
}

template <class Units>
void WalkWriter<Units>::record(std::uint32_t kind, std::uint32_t value)
{
    number(2 * (kind + kinds * value) + 1);
}

template <class Units>
void WalkWriter<Units>::close()
{
    if (runPasses > 0) number(2 * (runPasses - 1));
    runPasses = 0;
}

template <class Units>
void WalkWriter<Units>::pass(const WalkPass& pass)
{
    const bool changed = pass.held != held;
    if (changed || pass.turn != 0 || pass.ticks != 1) close();
    if (changed) record(holding, std::uint32_t(pass.held.to_ulong()));
    if (pass.turn != 0) record(turning, zigzag(pass.turn));
    held = pass.held;
    if (pass.ticks == 1) {
        ++runPasses;
    } else {
        record(longPass, std::uint32_t(pass.ticks - 2));
    }
}

template <class Units>
void WalkWriter<Units>::passes(const WalkPass& first, std::uint32_t more)
{
    // The turn goes before the run, and only its first pass turns.
    pass(first);
    runPasses += more;
}

template <class Units>
void WalkWriter<Units>::level(std::string_view link)
{
    close();
    record(levelChange, std::uint32_t(link.size()));
    units.put(link);
}

template class WalkWriter<ByteUnits>;
template class WalkWriter<LetterUnits>;

template <class Reader>
std::optional<WalkStep> WalkReader<Reader>::next()
{
    if (!wrong.empty()) return std::nullopt;
    // One record at a time, until one gives a pass or a level.
    while (runLeft == 0) {
        if (reader.at >= reader.end) return std::nullopt;
        const std::size_t start = reader.at;
        // A number of at most 32 bits.
        const auto number = [&]() -> std::optional<std::uint32_t> {
            std::uint64_t value = 0;
            for (int shift = 0; shift < 35; shift += Reader::bits) {
                const std::optional<std::uint32_t> unit = reader.unit();
                if (!unit) return std::nullopt;
                value |= std::uint64_t(*unit % (1u << Reader::bits)) << shift;
                if (*unit < 1u << Reader::bits) {
                    if (value > UINT32_MAX) return std::nullopt;
                    return std::uint32_t(value);
                }
            }
            return std::nullopt;
        };
        const std::optional<std::uint32_t> lead = number();
        if (lead && *lead % 2 == 0) {
            runLeft = *lead / 2 + 1;
            runTicks = 1;
            continue;
        }
        const std::uint32_t value = lead.value_or(0) / 2 / kinds;
        const std::uint32_t kind = lead.value_or(0) / 2 % kinds;
        std::optional<std::string_view> link;
        if (kind == levelChange) link = reader.take(value);
        // A record cut short, a pass of more ticks than a pass runs, an
        // action that does not exist, a turn of more than 16 bits or a
        // level cut short.
        if (!lead || (kind == longPass && value > mostTicksPerPass - 2) ||
            (kind == holding && value >= 1u << actionCount) || (kind == turning && (value == 0 || value > 2 * 32767)) ||
            (kind == levelChange && !link)) {
            wrong = concat("its passes do not read at record ", std::to_string(start));
            return std::nullopt;
        }
        if (kind == levelChange) {
            WalkStep step;
            step.level = link;
            return step;
        }
        if (kind == longPass) {
            runLeft = 1;
            runTicks = std::int32_t(value) + 2;
        }
        if (kind == holding) held = Actions(value);
        if (kind == turning) turn = std::int16_t(unzigzag(value));
    }
    --runLeft;
    WalkStep step;
    step.pass = {runTicks, held, turn};
    turn = 0;
    return step;
}

template class WalkReader<ByteReader>;
template class WalkReader<LetterReader>;
