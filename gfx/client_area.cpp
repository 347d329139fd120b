// SPDX-License-Identifier: MIT
#include "gfx/client_area.h"

#include <SDL.h>

#include <cstring>

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

namespace {

void copyInto(SDL_Surface* target, const Surface& picture, SDL_Rect inside)
{
    if (SDL_BlitSurface(picture.image(), nullptr, target, &inside) != 0) failWithSdlError("cannot show the frame");
}

}  // namespace

void composeClientArea(SDL_Surface* target, const Surface& picture, bool withFace, const Surface* beside)
{
    const BoxPlace place = boxPlace(picture);
    if (withFace) {
        paintWindowFace(target, place.outer, picture.BorderWidth());
        if (beside) {
            const BoxPlace besidePlace = boxPlace(*beside);
            paintBoxBorder(target, besidePlace.outer, beside->BorderWidth());
            copyInto(target, *beside, besidePlace.inside);
        }
    }
    copyInto(target, picture, place.inside);
}

bool clientAreaShows(const SDL_Surface* target, const Surface& picture)
{
    const SDL_Surface* image = picture.image();
    if (target->format->format != image->format->format) return false;
    const SDL_Rect inside = boxPlace(picture).inside;
    const SDL_Rect whole{0, 0, target->w, target->h};
    SDL_Rect seen{};
    if (!SDL_IntersectRect(&inside, &whole, &seen)) return true;
    const int bytes = image->format->BytesPerPixel;
    const auto* from = static_cast<const unsigned char*>(image->pixels) + (seen.y - inside.y) * image->pitch +
                       (seen.x - inside.x) * bytes;
    const auto* shown = static_cast<const unsigned char*>(target->pixels) + seen.y * target->pitch + seen.x * bytes;
    for (int row = 0; row < seen.h; ++row) {
        if (std::memcmp(from + row * image->pitch, shown + row * target->pitch, std::size_t(seen.w) * bytes) != 0) {
            return false;
        }
    }
    return true;
}
