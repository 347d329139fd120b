// SPDX-License-Identifier: MIT
#pragma once
// The pictures compiled into the program from the BMP files beside this header.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "assets/picture_sizes.h"

namespace embedded {

struct Picture {
    std::string_view name;
    std::span<const unsigned char> file;
};

// In the order the build lists them in assets/pictures.cmake: the level, the
// backdrop, then the textures of the wall codes 1 and up.
inline constexpr std::size_t texturesFrom = 2;
extern const std::array<Picture, texturesFrom + textureSlots - 1> pictures;

inline const Picture& map() { return pictures[0]; }
inline const Picture& backdrop() { return pictures[1]; }
inline std::array<Picture, textureSlots - 1> textures()
{
    std::array<Picture, textureSlots - 1> files;
    for (std::size_t i = 0; i < files.size(); ++i) files[i] = pictures[texturesFrom + i];
    return files;
}

}  // namespace embedded
