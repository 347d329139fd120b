// SPDX-License-Identifier: MIT
#pragma once
// A level picture from outside the program (named on the command line,
// dropped on the window, saved again while watched), checked by the rules
// the build checks the built-in level by: a BMP of the level's size that
// decodes exactly, walls all round the outer ring, the start cell open, and
// no colour that is not a level colour. Such a picture is untrusted: it is
// judged by its header before SDL decodes it, and a file longer than any
// level picture is refused unread.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "assets/level_mending.h"
#include "assets/level_rules.h"
#include "assets/map_cells.h"
#include "gfx/surface.h"

struct LevelPicture {
    // When the picture breaks no rule: the picture and the level it decodes to.
    std::optional<Surface> picture;
    MapCells mapCells;
    // What the level check prints for it, always: the file's problem or each
    // broken rule's first pixels, then the count of errors and warnings. Each
    // line names the file and ends in a newline.
    std::string lines;
};

// `name` is only for the lines.
LevelPicture checkLevelPicture(std::span<const unsigned char> file, std::string_view name,
                               UnknownColours unknownColours = UnknownColours::Error);

// The same for a file on disk, named in UTF-8 (as SDL names a dropped file).
// Reads no more than the longest level picture, so it never allocates much.
LevelPicture readLevelPicture(std::string_view fileName, UnknownColours unknownColours = UnknownColours::Error);

// The same for a level that arrives as its link text (assets/level_link.h),
// drawn as a picture first; a text that is no level link is refused in one
// line, as a broken file is.
LevelPicture linkedLevelPicture(std::string_view link, std::string_view name);
// A level picture to edit. One that does not exist yet is a walled hall
// (`isNew`). One that breaks a rule comes mended, each mend a line
// "NAME: mended: ..." in `lines`; only a file that is not a readable picture
// of the level's size is refused (no `level`), with the lines a level
// refused for play has.
struct LevelToEdit {
    std::optional<MendedLevel> level;
    std::string lines;
    bool isNew = false;
};
LevelToEdit readLevelToEdit(std::string_view fileName);
