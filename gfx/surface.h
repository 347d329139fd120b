// SPDX-License-Identifier: MIT
#pragma once
// A drawing surface: a persistent off-screen image with a position in the
// window. Drawing goes through its device context; Refresh shows the image.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "gfx/device_context.h"

struct SDL_Surface;
class Presenter;

class Surface {
public:
    // A blank image of the given drawable size, surrounded on screen by a
    // border of `border` pixels on each side.
    Surface(std::int32_t width, std::int32_t height, std::int32_t border = 0);

    // A picture from a complete BMP file held in memory.
    static Surface fromBmp(std::span<const unsigned char> file, std::string_view name);
    // The same for a file from outside: nothing when SDL cannot decode it,
    // and then `problem` says why, without naming the file.
    static std::optional<Surface> decodeBmp(std::span<const unsigned char> file, std::string& problem);

    DeviceContext hDC() const;
    float ScaleWidth() const;
    float ScaleHeight() const;
    std::int32_t BorderWidth() const { return border; }

    // Shows the image in the window the surface belongs to, if any.
    void Refresh();
    void showIn(Presenter& window) { this->window = &window; }
    // The image itself, for the platform that puts it on screen.
    SDL_Surface* image() const { return pixels.get(); }

    // Position of the outer box in the window's client area, in pixels.
    float Left = 0;
    float Top = 0;

private:
    struct Free {
        void operator()(SDL_Surface* surface) const;
    };
    explicit Surface(SDL_Surface* image);

    std::unique_ptr<SDL_Surface, Free> pixels;
    std::int32_t border = 0;
    Presenter* window = nullptr;
};
