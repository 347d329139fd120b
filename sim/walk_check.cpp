// SPDX-License-Identifier: MIT
#include "sim/walk_check.h"

#include <cmath>
#include <string_view>

#include "assets/level_picture.h"
#include "base/concat.h"
#include "sim/walk_records.h"

namespace {

// More level changes than anyone drops in a walk; each costs a level check.
constexpr int mostLevels = 256;

// The check's first line without the name and "error: " it puts before it.
std::string refusalOf(const LevelPicture& level)
{
    const std::string_view line = std::string_view(level.lines).substr(0, level.lines.find('\n'));
    constexpr std::string_view error = ": error: ";
    return std::string(line.substr(line.starts_with(error) ? error.size() : 0));
}

}  // namespace

WalkCheck::WalkCheck(Walk& walk) : walk(walk)
{
    const LevelPicture level = linkedLevelPicture(walk.level, "");
    if (!level.picture) {
        wrong = concat("its level is refused: ", refusalOf(level));
        return;
    }
    const Pose& start = walk.start;
    const bool inside = std::isfinite(start.x) && std::isfinite(start.y) && start.x >= 0 && start.y >= 0 &&
                        start.x < MapCells::Size && start.y < MapCells::Size;
    if (!inside || level.mapCells(std::int64_t(start.x), std::int64_t(start.y)) != 0) {
        wrong = "it starts outside the open cells of its level";
    } else if (!(std::abs(start.angle) < 360) || start.angle != std::trunc(start.angle)) {
        wrong = "it starts facing no whole number of degrees within a turn";
    }
}

void WalkCheck::through(std::size_t end)
{
    if (!wrong.empty()) return;
    WalkReader<ByteReader> reader(ByteReader{walk.records, checked, end});
    while (const std::optional<WalkStep> step = reader.next()) {
        if (step->level) {
            if (++levels > mostLevels) {
                wrong = concat("it changes level more than ", std::to_string(mostLevels), " times");
                return;
            }
            const LevelPicture level = linkedLevelPicture(*step->level, "");
            if (!level.picture) {
                wrong = concat("a level it changes to is refused: ", refusalOf(level));
                return;
            }
            continue;
        }
        walk.ticks += std::int64_t{step->pass.ticks} * (1 + std::int64_t{reader.skipRun()});
        if (walk.ticks > mostWalkTicks) {
            wrong = "it lasts longer than a day";
            return;
        }
    }
    wrong = reader.problem();
    checked = end;
}
