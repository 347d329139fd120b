// SPDX-License-Identifier: MIT
#pragma once
// What the window shows around the render box: the dialog face, and the
// box's sunken border when it has one. The SDL window paints it, and so does
// the tool that draws pictures of the window.

#include <cstdint>

struct SDL_Surface;
struct SDL_Rect;

void paintWindowFace(SDL_Surface* screen, const SDL_Rect& box, std::int32_t border);
// Another box's sunken border on the face, such as the map panel's.
void paintBoxBorder(SDL_Surface* screen, const SDL_Rect& box, std::int32_t border);
