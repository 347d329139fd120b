// SPDX-License-Identifier: MIT
#pragma once
// Judges a picture file by its header: a file that is not a BMP of the wanted
// size is refused in plain words before the rest of it is read, let alone
// decoded.

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "assets/picture_sizes.h"

struct PictureFile {
    std::vector<unsigned char> bytes;  // the whole file, when nothing is wrong with it
    std::string problem;               // otherwise what is, for instance "is empty"
    bool missing = false;              // the problem is that there is no such file
};

// `exactColours` asks for all 8 bits of red, green and blue: the level's
// colours are compared exactly, and fewer bits alter them.
PictureFile readPictureFile(const std::filesystem::path& path, PictureSize wanted, bool exactColours);

// The same judgement of a file already in memory: what is wrong with it, or
// nothing.
std::string pictureProblem(std::span<const unsigned char> file, PictureSize wanted, bool exactColours);
