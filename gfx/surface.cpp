// SPDX-License-Identifier: MIT
#include "gfx/surface.h"

#include <SDL.h>

#include <cstdint>
#include <string>
#include <utility>

#include "gfx/sdl_error.h"
#include "gfx/presenter.h"

namespace {

// XRGB: 32-bit pixels with no alpha channel, so every copy is a plain copy.
constexpr Uint32 pixelFormat = SDL_PIXELFORMAT_XRGB8888;

}  // namespace

void Surface::Free::operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }

Surface::Surface(SDL_Surface* image) : pixels(image) {}

Surface::Surface(std::int32_t width, std::int32_t height, std::int32_t border)
    : pixels(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, pixelFormat)), border(border)
{
    if (!pixels) {
        failWithSdlError("cannot create a " + std::to_string(width) + " x " + std::to_string(height) +
                         " surface");
    }
    SDL_FillRect(pixels.get(), nullptr, 0);
}

std::optional<Surface> Surface::decodeBmp(std::span<const unsigned char> file, std::string& problem)
{
    if (file.size() > INT32_MAX) {
        problem = "is too long to decode";
        return std::nullopt;
    }
    SDL_RWops* stream = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
    std::unique_ptr<SDL_Surface, Free> loaded(stream ? SDL_LoadBMP_RW(stream, 1) : nullptr);
    if (!loaded) {
        problem = std::string("cannot be decoded: ") + SDL_GetError();
        return std::nullopt;
    }
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded.get(), pixelFormat, 0);
    if (!converted) {
        problem = std::string("cannot be converted to the screen's pixels: ") + SDL_GetError();
        return std::nullopt;
    }
    return Surface(converted);
}

Surface Surface::fromBmp(std::span<const unsigned char> file, std::string_view name)
{
    std::string problem;
    std::optional<Surface> surface = decodeBmp(file, problem);
    if (!surface) throw RuntimeError("picture " + std::string(name) + " " + problem);
    return std::move(*surface);
}

DeviceContext Surface::hDC() const
{
    return {static_cast<std::uint32_t*>(pixels->pixels), pixels->w, pixels->h,
            pixels->pitch / static_cast<int>(sizeof(std::uint32_t))};
}

float Surface::ScaleWidth() const { return static_cast<float>(pixels->w); }

float Surface::ScaleHeight() const { return static_cast<float>(pixels->h); }

void Surface::Refresh()
{
    if (window) window->Present(*this);
}
