// SPDX-License-Identifier: MIT
#include "assets/level_picture.h"

#include <filesystem>
#include <string>
#include <utility>

#include "assets/cells_to_bmp.h"
#include "assets/level_link.h"
#include "assets/map_decoding.h"
#include "assets/picture_file.h"
#include "assets/picture_report.h"

namespace {

LevelPicture refused(PictureReport& report, std::string_view problem)
{
    report.add(true, problem);
    return {std::nullopt, {}, report.lines()};
}

}  // namespace

LevelPicture checkLevelPicture(std::span<const unsigned char> file, std::string_view name,
                               UnknownColours unknownColours)
{
    PictureReport report(name);
    const std::string problem = pictureProblem(file, mapPictureSize, true);
    if (!problem.empty()) return refused(report, problem);
    std::string decodeProblem;
    std::optional<Surface> picture = Surface::decodeBmp(file, decodeProblem);
    if (!picture) return refused(report, decodeProblem);
    for (const BrokenRule& rule : checkLevel(*picture, unknownColours)) report.add(rule);
    if (report.errors() > 0) return {std::nullopt, {}, report.lines()};

    LevelPicture level{std::move(picture), {}, report.lines()};
    decodeMap(*level.picture, level.mapCells);
    return level;
}

LevelPicture readLevelPicture(std::string_view fileName, UnknownColours unknownColours)
{
    const std::u8string utf8(fileName.begin(), fileName.end());
    PictureFile file = readPictureFile(std::filesystem::path(utf8), mapPictureSize, true);
    if (!file.problem.empty()) {
        PictureReport report(fileName);
        return refused(report, file.problem);
    }
    return checkLevelPicture(file.bytes, fileName, unknownColours);
}

LevelPicture linkedLevelPicture(std::string_view link, std::string_view name)
{
    const LevelLinkReading reading = readLevelLink(link);
    if (!reading.problem.empty()) {
        PictureReport report(name);
        return refused(report, reading.problem);
    }
    return checkLevelPicture(cellsToBmp(reading.cells), name);
}
