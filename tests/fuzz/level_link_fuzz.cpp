// SPDX-License-Identifier: MIT
// Fuzz target for readLevelLink, which reads text from any address anyone
// can send: whatever the text, the reader must neither crash nor read out of
// bounds, and must either refuse it in one line or hand back a level that
// the link of its cells gives again. An accepted level then goes the way a
// web page's does, drawn back into a picture and through the level check.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "assets/cells_to_bmp.h"
#include "assets/level_link.h"
#include "assets/level_picture.h"

// How many links were accepted, for a driver to see that some are.
std::size_t inputsAccepted = 0;

namespace {

void failed(const char* what, const std::string& problem)
{
    std::fprintf(stderr, "level_link_fuzz: %s (problem: \"%s\")\n", what, problem.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const LevelLinkReading reading = readLevelLink({reinterpret_cast<const char*>(data), size});
    if (!reading.problem.empty()) {
        if (reading.problem.find('\n') != std::string::npos || reading.problem.size() > 200) {
            failed("refused in more than one short line", reading.problem);
        }
        return 0;
    }
    const LevelLinkReading again = readLevelLink(levelLink(reading.cells));
    if (!again.problem.empty() || !(again.cells == reading.cells)) {
        failed("the level's own link reads otherwise", again.problem);
    }
    const LevelPicture level = checkLevelPicture(cellsToBmp(reading.cells), "the level link");
    if (level.picture && !(level.mapCells == reading.cells)) {
        failed("the picture of the level is another level", level.lines);
    }
    ++inputsAccepted;
    return 0;
}
