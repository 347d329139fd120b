// SPDX-License-Identifier: MIT
#pragma once
// Plain drawing on a surface's pixels: rectangles, lines, discs, polygons
// and text in the built-in font. Whatever falls outside the canvas is left
// out, so a part of a canvas clips what is drawn into it.

#include <cstdint>
#include <span>
#include <string_view>

#include "gfx/changed_rows.h"
#include "gfx/device_context.h"
#include "gfx/rgb.h"

struct CanvasPoint {
    double x;
    double y;
};

class Canvas {
public:
    // With `changes`, every pixel drawn on the canvas or a part of it is
    // added there, by its row and column on this canvas.
    explicit Canvas(const DeviceContext& pixels, ChangedRows* changes = nullptr) : pixels(pixels), changes(changes) {}

    // The rectangle at (x, y), with its own origin at its top-left corner.
    // It must lie inside this canvas.
    Canvas part(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) const;

    std::int32_t width() const { return pixels.width; }
    const DeviceContext& hDC() const { return pixels; }
    std::int32_t height() const { return pixels.height; }

    void plot(std::int32_t x, std::int32_t y, Rgb colour) const;
    void fill(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Rgb colour) const;
    // From point to point, where a point covers the pixel it falls in. A
    // dashed line draws `dash` pixels, leaves out as many, and so on.
    void line(double x0, double y0, double x1, double y1, Rgb colour, std::int32_t thickness = 1,
              std::int32_t dash = 0) const;
    // Every pixel whose middle lies within `radius` of the centre.
    void disc(double x, double y, double radius, Rgb colour) const;
    // Every pixel whose middle lies inside the polygon (or on its left or
    // top edge), which has at most mostCorners corners.
    static constexpr std::size_t mostCorners = 256;
    void polygon(std::span<const CanvasPoint> corners, Rgb colour) const;
    // Text with its top-left corner at (x, y), each font pixel `scale`
    // pixels a side; returns the width it took.
    std::int32_t text(std::int32_t x, std::int32_t y, std::string_view text, Rgb colour,
                      std::int32_t scale) const;

    static std::int32_t textWidth(std::string_view text, std::int32_t scale);
    static std::int32_t textHeight(std::int32_t scale);

private:
    Canvas(const DeviceContext& pixels, ChangedRows* changes, std::int32_t left, std::int32_t top)
        : pixels(pixels), changes(changes), left(left), top(top)
    {
    }

    DeviceContext pixels;
    ChangedRows* changes = nullptr;
    // Where the canvas lies on the one the changes are counted on.
    std::int32_t left = 0;
    std::int32_t top = 0;
};
