// SPDX-License-Identifier: MIT
#include "gfx/canvas.h"

#include <algorithm>
#include <cmath>

#include "base/checked.h"
#include "gfx/bitmap_font.h"

namespace {

std::int32_t pixelOf(double coordinate) { return checked::toInt32(std::floor(coordinate), "pixel"); }

}  // namespace

Canvas Canvas::part(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) const
{
    if (x < 0 || y < 0 || width < 0 || height < 0 || x + width > pixels.width || y + height > pixels.height) {
        throw RuntimeError("a part of the picture lies outside it");
    }
    return Canvas({pixels.pixels + y * pixels.pitch + x, width, height, pixels.pitch});
}

void Canvas::plot(std::int32_t x, std::int32_t y, Rgb colour) const
{
    if (x < 0 || y < 0 || x >= pixels.width || y >= pixels.height) return;
    pixels.pixels[y * pixels.pitch + x] = colour.pixel();
}

void Canvas::fill(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Rgb colour) const
{
    const std::int32_t left = std::max(x, 0);
    const std::int32_t top = std::max(y, 0);
    const std::int32_t right = std::min(x + width, pixels.width);
    const std::int32_t bottom = std::min(y + height, pixels.height);
    for (std::int32_t row = top; row < bottom; ++row) {
        std::fill(pixels.pixels + row * pixels.pitch + left, pixels.pixels + row * pixels.pitch + std::max(left, right),
                  colour.pixel());
    }
}

void Canvas::line(double x0, double y0, double x1, double y1, Rgb colour, std::int32_t thickness,
                  std::int32_t dash) const
{
    // One point per pixel along the longer axis; a thick line is a square
    // brush around each.
    const double steps = std::ceil(std::max(std::fabs(x1 - x0), std::fabs(y1 - y0)));
    const std::int32_t count = checked::toInt32(steps, "line length");
    const std::int32_t before = (thickness - 1) / 2;
    for (std::int32_t i = 0; i <= count; ++i) {
        if (dash > 0 && (i / dash) % 2 == 1) continue;
        const double t = count == 0 ? 0 : static_cast<double>(i) / count;
        const std::int32_t x = pixelOf(x0 + (x1 - x0) * t);
        const std::int32_t y = pixelOf(y0 + (y1 - y0) * t);
        if (thickness == 1) {
            plot(x, y, colour);
        } else {
            fill(x - before, y - before, thickness, thickness, colour);
        }
    }
}

void Canvas::disc(double x, double y, double radius, Rgb colour) const
{
    for (std::int32_t row = pixelOf(y - radius); row <= pixelOf(y + radius); ++row) {
        for (std::int32_t column = pixelOf(x - radius); column <= pixelOf(x + radius); ++column) {
            const double dx = column + 0.5 - x;
            const double dy = row + 0.5 - y;
            if (dx * dx + dy * dy <= radius * radius) plot(column, row, colour);
        }
    }
}

std::int32_t Canvas::text(std::int32_t x, std::int32_t y, std::string_view text, Rgb colour,
                          std::int32_t scale) const
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::int32_t left = x + static_cast<std::int32_t>(i) * font::advance * scale;
        for (std::int32_t row = 0; row < font::glyphHeight; ++row) {
            for (std::int32_t column = 0; column < font::glyphWidth; ++column) {
                if (font::ink(text[i], column, row)) {
                    fill(left + column * scale, y + row * scale, scale, scale, colour);
                }
            }
        }
    }
    return textWidth(text, scale);
}

std::int32_t Canvas::textWidth(std::string_view text, std::int32_t scale)
{
    // No space after the last character.
    return text.empty() ? 0 : static_cast<std::int32_t>(text.size()) * font::advance * scale - scale;
}

std::int32_t Canvas::textHeight(std::int32_t scale) { return font::glyphHeight * scale; }
