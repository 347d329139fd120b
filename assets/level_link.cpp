// SPDX-License-Identifier: MIT
#include "assets/level_link.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "assets/link_letters.h"
#include "assets/picture_sizes.h"
#include "base/concat.h"

namespace {

constexpr std::string_view letters = linkLetters;
constexpr char version = '1';
constexpr std::int32_t cellCount = MapCells::Size * MapCells::Size;
// Eight kinds of run of eight lengths each take the 64 letters: the codes
// 0 to 6 and a copy of the row above. The kinds are fixed, not counted from
// the textures, so adding a wall code up to 6 leaves every link as it was.
constexpr std::int32_t copyAbove = 7;
constexpr std::int32_t lengthsPerKind = 8;
constexpr std::int32_t longRun = lengthsPerKind - 1;
static_assert(highestWallCode < copyAbove, "a wall code above 6 needs a new version of the level link");
static_assert((copyAbove + 1) * lengthsPerKind <= 64);
constexpr std::int32_t moreFollows = 32;
constexpr std::int32_t mostLengthLetters = 3;
static_assert(cellCount - longRun - 1 < 1 << (5 * mostLengthLetters));
constexpr std::int32_t checksumLetters = 4;

std::int32_t valueOf(char letter) { return linkLetterValue(letter); }

std::int16_t& cell(MapCells& cells, std::int32_t i) { return cells(i % MapCells::Size, i / MapCells::Size); }
std::int16_t cell(const MapCells& cells, std::int32_t i) { return cells(i % MapCells::Size, i / MapCells::Size); }

// CRC-24 as OpenPGP uses it, over the codes as bytes, row by row: a changed
// letter that still reads as a level almost surely changes it.
std::uint32_t checksum(const MapCells& cells)
{
    std::uint32_t crc = 0xB704CE;
    for (std::int32_t i = 0; i < cellCount; ++i) {
        crc ^= std::uint32_t(cell(cells, i) & 0xFF) << 16;
        for (int bit = 0; bit < 8; ++bit) {
            crc <<= 1;
            if (crc & 0x1000000) crc ^= 0x1864CFB;
        }
    }
    return crc & 0xFFFFFF;
}

std::string checksumText(std::uint32_t crc)
{
    std::string text;
    for (int shift = 6 * (checksumLetters - 1); shift >= 0; shift -= 6) text += letters[(crc >> shift) & 63];
    return text;
}

// How many cells from `start` on keep `same`.
template <class Same>
std::int32_t runFrom(std::int32_t start, Same same)
{
    std::int32_t end = start;
    while (end < cellCount && same(end)) ++end;
    return end - start;
}

void appendRun(std::string& text, std::int32_t kind, std::int32_t length)
{
    if (length <= longRun) {
        text += letters[std::size_t(kind * lengthsPerKind + length - 1)];
        return;
    }
    text += letters[std::size_t(kind * lengthsPerKind + longRun)];
    std::int32_t rest = length - longRun - 1;
    do {
        const std::int32_t low = rest % moreFollows;
        rest /= moreFollows;
        text += letters[std::size_t(low + (rest > 0 ? moreFollows : 0))];
    } while (rest > 0);
}

std::string character(std::size_t at, char letter)
{
    const auto byte = static_cast<unsigned char>(letter);
    const std::string shown = byte > ' ' && byte < 0x7F ? concat("\"", std::string(1, letter), "\"")
                                                        : concat("byte ", std::to_string(byte));
    return concat("character ", std::to_string(at + 1), " (", shown, ")");
}

LevelLinkReading refused(std::string problem)
{
    LevelLinkReading reading;
    reading.problem = std::move(problem);
    return reading;
}

}  // namespace

std::string levelLink(const MapCells& cells)
{
    for (std::int32_t i = 0; i < cellCount; ++i) checked::index(cell(cells, i), highestWallCode + 1, "level link cell code");
    std::string text(1, version);
    for (std::int32_t i = 0; i < cellCount;) {
        const std::int16_t code = cell(cells, i);
        const std::int32_t same = runFrom(i, [&](std::int32_t at) { return cell(cells, at) == code; });
        const std::int32_t above =
            i < MapCells::Size
                ? 0
                : runFrom(i, [&](std::int32_t at) { return cell(cells, at) == cell(cells, at - MapCells::Size); });
        const bool copy = above > same;
        appendRun(text, copy ? copyAbove : code, copy ? above : same);
        i += copy ? above : same;
    }
    return text + checksumText(checksum(cells));
}

LevelLinkReading readLevelLink(std::string_view text)
{
    if (text.empty()) return refused("the level link is empty");
    if (text.size() > longestLevelLink) {
        return refused(concat("the level link is longer than any level's (", std::to_string(longestLevelLink),
                              " characters)"));
    }
    const auto bad = std::find_if(text.begin(), text.end(), [](char letter) { return valueOf(letter) < 0; });
    if (bad != text.end()) {
        return refused(concat("the level link's ", character(std::size_t(bad - text.begin()), *bad),
                              " is none of A-Z a-z 0-9 - _"));
    }
    if (text[0] != version) {
        return refused(concat("the level link is of version \"", std::string(1, text[0]),
                              "\"; this program reads version \"", std::string(1, version), "\""));
    }
    if (text.size() < 2 + checksumLetters) {
        return refused(concat("the level link is too short to hold a level (", std::to_string(text.size()),
                              " characters)"));
    }

    LevelLinkReading reading;
    const std::size_t end = text.size() - checksumLetters;
    std::int32_t filled = 0;
    std::size_t at = 1;
    const auto cutShort = [&] {
        return refused(concat("the level link ends after ", std::to_string(filled), " of the ",
                              std::to_string(cellCount), " cells"));
    };
    while (at < end) {
        if (filled == cellCount) {
            return refused(concat("the level link goes on past the last cell, from character ",
                                  std::to_string(at + 1)));
        }
        const std::size_t start = at;
        const std::int32_t lead = valueOf(text[at++]);
        const std::int32_t kind = lead / lengthsPerKind;
        if (kind > copyAbove) return refused(concat("the level link's ", character(start, text[start]), " starts no run"));
        if (kind != copyAbove && kind > highestWallCode) {
            return refused(concat("the level link's ", character(start, text[start]), " is a run of wall code ",
                                  std::to_string(kind), ", which has no texture here"));
        }
        std::int32_t length = lead % lengthsPerKind + 1;
        if (length > longRun) {
            std::int32_t rest = 0;
            for (std::int32_t letter = 0, more = moreFollows; more; ++letter) {
                if (letter == mostLengthLetters) {
                    return refused(concat("the level link's run at character ", std::to_string(start + 1),
                                          " is longer than a level"));
                }
                if (at == end) return cutShort();
                const std::int32_t value = valueOf(text[at++]);
                rest += (value % moreFollows) << (5 * letter);
                more = value & moreFollows;
            }
            length += rest;
        }
        if (length > cellCount - filled) {
            return refused(concat("the level link's run at character ", std::to_string(start + 1),
                                  " goes past the last cell"));
        }
        if (kind == copyAbove && filled < MapCells::Size) {
            return refused(concat("the level link's run at character ", std::to_string(start + 1),
                                  " repeats a row above the first"));
        }
        for (const std::int32_t stop = filled + length; filled < stop; ++filled) {
            cell(reading.cells, filled) =
                kind == copyAbove ? cell(reading.cells, filled - MapCells::Size) : std::int16_t(kind);
        }
    }
    if (filled < cellCount) return cutShort();
    if (text.substr(end) != checksumText(checksum(reading.cells))) {
        return refused("the level link's checksum does not match its cells: a character of it was changed or lost");
    }
    return reading;
}
