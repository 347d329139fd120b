// SPDX-License-Identifier: MIT
#pragma once
// The file names of the pictures, in assets/ and in the tests' copies, for
// the tools and the tests. The build lists the same files in
// assets/pictures.cmake; a unit test holds the two lists together.

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::string_view mapFileName = "map.bmp";
inline constexpr std::string_view backdropFileName = "backdrop.bmp";

// The texture of wall code `code`, 1 and up.
inline std::string textureFileName(std::size_t code)
{
    return "texture" + std::to_string(code) + ".bmp";
}
