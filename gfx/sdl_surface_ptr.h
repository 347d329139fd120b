// SPDX-License-Identifier: MIT
#pragma once
// An SDL surface that is freed with its owner: the images of the drawing
// surfaces, the platform's enlarged form, pictures the tools load.

#include <memory>

struct SDL_Surface;

struct FreeSdlSurface {
    void operator()(SDL_Surface* surface) const;
};
using SdlSurfacePtr = std::unique_ptr<SDL_Surface, FreeSdlSurface>;
