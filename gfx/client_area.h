// SPDX-License-Identifier: MIT
#pragma once
// The client area as the window shows it: the face, the render box's sunken
// border and the frame inside it. The SDL window composes it this way, and
// so do the tool that draws pictures of the window and the end-to-end
// tests' reference.

#include <SDL_rect.h>

class Surface;
struct SDL_Surface;

// Where a surface's box stands in the client area: the outer box at
// (Left, Top), border included, and its drawable area inside the border.
struct BoxPlace {
    SDL_Rect outer;
    SDL_Rect inside;
};
BoxPlace boxPlace(const Surface& picture);

// Paints the face and the box's border when `withFace`, then copies the
// surface's image into the drawable area. A surface shown `beside` it (the
// map panel) is painted with the face, border and image, as the face
// covers it.
void composeClientArea(SDL_Surface* target, const Surface& picture, bool withFace, const Surface* beside = nullptr);

// Whether the target's drawable area holds the surface's image already, as
// far as the target reaches, so that composing without the face would change
// no pixel. Targets of another pixel format never do.
bool clientAreaShows(const SDL_Surface* target, const Surface& picture);
