// SPDX-License-Identifier: MIT
#include "tools/ray_diagram/png_file.h"

#include <SDL.h>
#include <SDL_image.h>

#include "gfx/surface.h"
#include "tools/ray_diagram/text.h"
#include "tools/ray_diagram/input_error.h"

void savePng(const Surface& picture, const std::string& path)
{
    if (IMG_SavePNG(picture.image(), path.c_str()) != 0) {
        throw InputError(concat("cannot write ", path, ": ", SDL_GetError()));
    }
}
