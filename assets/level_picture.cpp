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
#include "base/concat.h"

namespace {

// The picture, or nothing when the report now says why not.
std::optional<Surface> decoded(std::span<const unsigned char> file, PictureReport& report)
{
    const std::string problem = pictureProblem(file, mapPictureSize, true);
    if (!problem.empty()) {
        report.add(true, problem);
        return std::nullopt;
    }
    std::string decodeProblem;
    std::optional<Surface> picture = Surface::decodeBmp(file, decodeProblem);
    if (!picture) report.add(true, decodeProblem);
    return picture;
}

// The file's bytes, or nothing when the report now says why not; `missing`
// tells that there is no such file.
std::optional<std::vector<unsigned char>> bytesOf(std::string_view fileName, PictureReport& report,
                                                  bool* missing = nullptr)
{
    const std::u8string utf8(fileName.begin(), fileName.end());
    PictureFile file = readPictureFile(std::filesystem::path(utf8), mapPictureSize, true);
    if (missing) *missing = file.missing;
    if (!file.problem.empty()) {
        report.add(true, file.problem);
        return std::nullopt;
    }
    return std::move(file.bytes);
}

}  // namespace

LevelPicture checkLevelPicture(std::span<const unsigned char> file, std::string_view name,
                               UnknownColours unknownColours)
{
    PictureReport report(name);
    std::optional<Surface> picture = decoded(file, report);
    if (!picture) return {std::nullopt, {}, report.lines()};
    for (const BrokenRule& rule : checkLevel(*picture, unknownColours)) report.add(rule);
    if (report.errors() > 0) return {std::nullopt, {}, report.lines()};

    LevelPicture level{std::move(picture), {}, report.lines()};
    decodeMap(*level.picture, level.mapCells);
    return level;
}

LevelPicture readLevelPicture(std::string_view fileName, UnknownColours unknownColours)
{
    PictureReport report(fileName);
    const std::optional<std::vector<unsigned char>> bytes = bytesOf(fileName, report);
    if (!bytes) return {std::nullopt, {}, report.lines()};
    return checkLevelPicture(*bytes, fileName, unknownColours);
}

LevelToEdit readLevelToEdit(std::string_view fileName)
{
    PictureReport report(fileName);
    bool missing = false;
    const std::optional<std::vector<unsigned char>> bytes = bytesOf(fileName, report, &missing);
    if (missing) return {MendedLevel{walledHall(), {}}, {}, true};
    const std::optional<Surface> picture = bytes ? decoded(*bytes, report) : std::nullopt;
    if (!picture) return {std::nullopt, report.lines(), false};
    LevelToEdit edited{mendLevel(*picture), {}, false};
    for (const std::string& mend : edited.level->mends) edited.lines += concat(fileName, ": mended: ", mend, "\n");
    return edited;
}

LevelPicture linkedLevelPicture(std::string_view link, std::string_view name)
{
    const LevelLinkReading reading = readLevelLink(link);
    if (!reading.problem.empty()) {
        PictureReport report(name);
        report.add(true, reading.problem);
        return {std::nullopt, {}, report.lines()};
    }
    return checkLevelPicture(cellsToBmp(reading.cells), name);
}
