// SPDX-License-Identifier: MIT
#include "gfx/window_face.h"

#include <SDL.h>

#include "gfx/rgb.h"

namespace {

// The classic dialog colours: face, and the two shades of a sunken edge.
constexpr Rgb faceColour{212, 208, 200};
constexpr Rgb shadowColour{128, 128, 128};
constexpr Rgb darkShadowColour{64, 64, 64};
constexpr Rgb highlightColour{255, 255, 255};
constexpr Rgb lightColour{227, 227, 227};

void fill(SDL_Surface* screen, SDL_Rect rect, Rgb colour)
{
    SDL_FillRect(screen, &rect, SDL_MapRGB(screen->format, colour.r, colour.g, colour.b));
}

// One ring of a sunken edge: the top and left sides in `dark`, the bottom
// and right sides in `light`.
void edge(SDL_Surface* screen, SDL_Rect r, Rgb dark, Rgb light)
{
    fill(screen, {r.x, r.y, r.w, 1}, dark);
    fill(screen, {r.x, r.y, 1, r.h}, dark);
    fill(screen, {r.x, r.y + r.h - 1, r.w, 1}, light);
    fill(screen, {r.x + r.w - 1, r.y, 1, r.h}, light);
}

}  // namespace

void paintWindowFace(SDL_Surface* screen, const SDL_Rect& box, std::int32_t border)
{
    fill(screen, {0, 0, screen->w, screen->h}, faceColour);
    paintBoxBorder(screen, box, border);
}

void paintBoxBorder(SDL_Surface* screen, const SDL_Rect& box, std::int32_t border)
{
    if (border >= 2) {
        edge(screen, box, shadowColour, highlightColour);
        edge(screen, {box.x + 1, box.y + 1, box.w - 2, box.h - 2}, darkShadowColour, lightColour);
    }
}

