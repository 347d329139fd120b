// SPDX-License-Identifier: MIT
#pragma once
// The pictures the unit tests are built on: copies, under tests/fixtures/, of
// the level, textures and backdrop that the pinned columns, golden frames and
// movement cases were worked out on. Tests read these and never assets/, so
// repainting a shipped picture leaves them green.

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "assets/map_decoding.h"
#include "assets/picture_names.h"
#include "base/file_bytes.h"
#include "core/frmMain.h"

inline std::string fixturePath(const std::string& name)
{
    return std::string(QUENTAVOX_SOURCE_DIR) + "/tests/fixtures/" + name;
}

inline std::vector<unsigned char> fileBytes(const std::string& path)
{
    std::optional<std::vector<unsigned char>> bytes = readFileBytes(path);
    if (!bytes) throw std::runtime_error("cannot read " + path);
    return std::move(*bytes);
}

inline std::vector<unsigned char> fixtureBytes(const std::string& name) { return fileBytes(fixturePath(name)); }

// Paints a cell of the fixture level's file, which is stored in 24 bits a
// pixel, bottom row first, with no row padding after a 54-byte header.
inline void paintCell(std::vector<unsigned char>& bmp, int x, int y, unsigned char red, unsigned char green,
                      unsigned char blue)
{
    const std::size_t at = 54 + std::size_t(63 - y) * 192 + std::size_t(x) * 3;
    bmp[at] = blue;
    bmp[at + 1] = green;
    bmp[at + 2] = red;
}

// Each file is read once and kept for the whole run, as compiled-in pictures are.
inline embedded::Picture fixture(const std::string& name)
{
    static std::map<std::string, std::vector<unsigned char>> files;
    const auto [file, added] = files.try_emplace("tests/fixtures/" + name);
    if (added) file->second = fixtureBytes(name);
    return {file->first, file->second};
}

inline Surface loadFixture(const std::string& name)
{
    const embedded::Picture picture = fixture(name);
    return Surface::fromBmp(picture.file, picture.name);
}

// The cells of the fixture level.
inline MapCells fixtureCells()
{
    MapCells cells;
    decodeMap(loadFixture("map.bmp"), cells);
    return cells;
}

inline FormPictures fixturePictures()
{
    FormPictures pictures{fixture(std::string(mapFileName)), fixture(std::string(backdropFileName)), {}};
    for (std::size_t i = 0; i < pictures.textures.size(); ++i) pictures.textures[i] = fixture(textureFileName(i + 1));
    return pictures;
}
