// SPDX-License-Identifier: MIT
#pragma once
// A whole file read into memory, for the tools and the tests; the program
// itself reads no file.

#include <filesystem>
#include <fstream>
#include <ios>
#include <iterator>
#include <optional>
#include <vector>

// Nothing when the file cannot be opened. Text mode (std::ios::in) reads
// Windows line ends as plain ones.
inline std::optional<std::vector<unsigned char>> readFileBytes(const std::filesystem::path& path,
                                                               std::ios::openmode mode = std::ios::binary)
{
    std::ifstream file(path, mode);
    if (!file) return std::nullopt;
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {});
}
