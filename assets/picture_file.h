// SPDX-License-Identifier: MIT
#pragma once
// Reads a picture file for the build's check. The header is read and judged
// first: a file that is not a BMP of the wanted size is refused in plain words
// before the rest of it is read, let alone decoded.

#include <filesystem>
#include <string>
#include <vector>

#include "assets/picture_sizes.h"

struct PictureFile {
    std::vector<unsigned char> bytes;  // the whole file, when nothing is wrong with it
    std::string problem;               // otherwise what is, for instance "is empty"
};

// `exactColours` asks for all 8 bits of red, green and blue: the level's
// colours are compared exactly, and fewer bits alter them.
PictureFile readPictureFile(const std::filesystem::path& path, PictureSize wanted, bool exactColours);
