// SPDX-License-Identifier: MIT
#include "tools/ray_diagram/scene.h"

#include <filesystem>
#include <string>

#include "assets/level_picture.h"
#include "assets/picture_names.h"
#include "assets/picture_file.h"
#include "base/checked.h"
#include "tools/ray_diagram/text.h"
#include "tools/ray_diagram/input_error.h"

namespace {

// `exactColours` for the level, whose colours are compared exactly.
std::vector<unsigned char> read(const std::string& path, PictureSize size, bool exactColours)
{
    PictureFile file = readPictureFile(path, size, exactColours);
    if (!file.problem.empty()) throw InputError(concat(path, ": ", file.problem));
    return std::move(file.bytes);
}

PictureFiles readFiles(const std::string& level, const std::optional<std::string>& pictures)
{
    PictureFiles files;
    files.levelName = level;
    // A level the program would refuse cannot be drawn either (a hole in the
    // outer ring lets a ray run off the grid): refused with the same lines.
    const LevelPicture checked = readLevelPicture(level);
    if (!checked.picture) throw InputError(checked.lines.substr(0, checked.lines.size() - 1));
    files.level = read(level, mapPictureSize, true);
    if (pictures) {
        const std::filesystem::path folder(*pictures);
        files.names.push_back((folder / backdropFileName).string());
        files.backdrop = read(files.names.back(), backdropPictureSize, false);
        for (std::size_t i = 0; i < files.textures.size(); ++i) {
            files.names.push_back((folder / textureFileName(i + 1)).string());
            files.textures[i] = read(files.names.back(), texturePictureSize, false);
        }
    }
    return files;
}

// The level from disk; the backdrop and textures from the folder when one is
// given, otherwise those built into the program.
FormPictures formPictures(const PictureFiles& files)
{
    FormPictures pictures;
    pictures.map = {files.levelName, files.level};
    if (!files.names.empty()) {
        pictures.backdrop = {files.names[0], files.backdrop};
        for (std::size_t i = 0; i < files.textures.size(); ++i) {
            pictures.textures[i] = {files.names[i + 1], files.textures[i]};
        }
    }
    return pictures;
}

}  // namespace

Scene::Scene(const std::string& level, const std::optional<std::string>& pictures)
    : files(readFiles(level, pictures)), form(platform, formPictures(files))
{
    form.SetUpGame();
}

void Scene::place(double x, double y, std::int32_t heading)
{
    // Judged as the program holds the position, in 32-bit floats: a number
    // just below 64 rounds to 64.
    const float playerX = static_cast<float>(x);
    const float playerY = static_cast<float>(y);
    const std::string spot = concat("(", printed("%g", x), ", ", printed("%g", y), ")");
    if (!(playerX >= 0 && playerX < MapCells::Size && playerY >= 0 && playerY < MapCells::Size)) {
        throw InputError(concat(spot, " is outside the 64 x 64 grid"));
    }
    const std::int64_t cellX = checked::floorToInt(playerX, "x");
    const std::int64_t cellY = checked::floorToInt(playerY, "y");
    if (const std::int16_t code = form.state.mapCells(cellX, cellY); code != 0) {
        throw InputError(concat(spot, " is inside a wall: cell (", std::to_string(cellX), ", ", std::to_string(cellY),
                                ") has wall code ", std::to_string(code)));
    }
    // A heading one or more whole turns away draws the same frame.
    wholeHeading = (heading % 360 + 360) % 360;
    form.state.playerX = playerX;
    form.state.playerY = playerY;
    form.state.playerAngle = static_cast<float>(wholeHeading);
}

std::vector<ColumnRun> Scene::castRays() const
{
    const ColumnRuns runs = castColumnRuns(
        form.state, checked::toInt32(form.picRender.ScaleWidth(), "width"), form.picRender.ScaleHeight());
    return {runs.begin(), runs.end()};
}
