// SPDX-License-Identifier: MIT
#pragma once
// Writing a surface as a PNG file, through SDL_image.

#include <string>

class Surface;

// Throws InputError naming the file when it cannot be written.
void savePng(const Surface& picture, const std::string& path);
