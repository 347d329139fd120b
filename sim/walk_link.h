// SPDX-License-Identifier: MIT
#pragma once
// A walk written as a short text for the address of a web page, beside the
// level it starts in: `#level=LEVEL&walk=WALK`, so a walk can be shared as
// a link and played on any copy of the page.
//
// The text is in the letters of assets/link_letters.h: the version "1", the
// start pose, the records as walk_records.h writes them in letters, the
// ticks of the whole walk in five letters, the pose at the end, then a
// CRC-32 of the level's text and all of the walk's before it in six
// letters. A pose is x, y and angle, each a 32-bit float's bits in six
// letters; numbers of several letters go high bits first.

#include <cstddef>
#include <string>
#include <string_view>

#include "sim/walk.h"

// Some ten minutes of ordinary walking; a longer text is refused unread.
inline constexpr std::size_t longestWalkLink = 65536;
// Between the level's text and the walk's in a page's address.
inline constexpr std::string_view walkLinkPart = "&walk=";

// The walk must have its end.
std::string walkLink(const Walk& walk);
// What follows "#level=" in the address: "LEVEL&walk=WALK".
std::string levelAndWalkLink(const Walk& walk);

struct WalkLinkReading {
    Walk walk;
    std::string problem;  // when the texts are refused: what is wrong, in one line
};

// The texts after "level=" and "walk=".
WalkLinkReading readWalkLink(std::string_view level, std::string_view text);
// The same from "LEVEL&walk=WALK".
WalkLinkReading readLevelAndWalkLink(std::string_view text);
