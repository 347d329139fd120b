// SPDX-License-Identifier: MIT
#pragma once
// Shows a picture at a whole-number scale: every pixel becomes a block of
// scale x scale pixels, with no smoothing.

#include <cstdint>

struct SDL_Surface;
struct SDL_Rect;

// Copies `area` of `from` into `to` at `scale` times its size and position.
// Both surfaces have the same pixel format. Only whole blocks are drawn: the
// part of `area` whose blocks would not fit in `to` is left out.
void upscale(const SDL_Surface& from, const SDL_Rect& area, SDL_Surface& to, std::int32_t scale);
