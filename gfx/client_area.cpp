// SPDX-License-Identifier: MIT
#include "gfx/client_area.h"

#include <SDL.h>

#include "base/checked.h"
#include "gfx/sdl_error.h"
#include "gfx/surface.h"
#include "gfx/window_face.h"

BoxPlace boxPlace(const Surface& picture)
{
    const std::int32_t border = picture.BorderWidth();
    const std::int32_t left = checked::toInt32(picture.Left, "picRender.Left");
    const std::int32_t top = checked::toInt32(picture.Top, "picRender.Top");
    const int width = picture.image()->w;
    const int height = picture.image()->h;
    return {{left, top, width + 2 * border, height + 2 * border}, {left + border, top + border, width, height}};
}

void composeClientArea(SDL_Surface* target, const Surface& picture, bool withFace)
{
    const BoxPlace place = boxPlace(picture);
    if (withFace) paintWindowFace(target, place.outer, picture.BorderWidth());
    SDL_Rect inside = place.inside;
    if (SDL_BlitSurface(picture.image(), nullptr, target, &inside) != 0) failWithSdlError("cannot show the frame");
}
