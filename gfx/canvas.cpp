// SPDX-License-Identifier: MIT
#include "gfx/canvas.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <utility>

#include "base/checked.h"
#include "gfx/bitmap_font.h"

namespace {

std::int32_t pixelOf(double coordinate) { return checked::toInt32(std::floor(coordinate), "pixel"); }

// The pixel a coordinate falls in, for the many coordinates of one shape
// whose corners are checked (pixelOf): a coordinate so far outside the
// canvas that it would not fit 32 bits draws nothing either way. Unlike
// std::floor, which is a call into the maths library, this is a few
// instructions.
std::int32_t pixelFloor(double coordinate)
{
    const double within = std::clamp(coordinate, -1e9, 1e9);
    const auto whole = static_cast<std::int32_t>(within);
    return whole - (within < whole ? 1 : 0);
}

std::int32_t pixelBetween(double from, double to, double t) { return pixelFloor(from + (to - from) * t); }

}  // namespace

Canvas Canvas::part(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) const
{
    if (x < 0 || y < 0 || width < 0 || height < 0 || x + width > pixels.width || y + height > pixels.height) {
        throw RuntimeError("a part of the picture lies outside it");
    }
    return Canvas({pixels.pixels + y * pixels.pitch + x, width, height, pixels.pitch}, changes, left + x, top + y);
}

void Canvas::plot(std::int32_t x, std::int32_t y, Rgb colour) const
{
    if (x < 0 || y < 0 || x >= pixels.width || y >= pixels.height) return;
    pixels.pixels[y * pixels.pitch + x] = colour.pixel();
    if (changes) changes->add(top + y, left + x, left + x + 1);
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
        if (changes) changes->add(this->top + row, this->left + left, this->left + right);
    }
}

void Canvas::line(double x0, double y0, double x1, double y1, Rgb colour, std::int32_t thickness,
                  std::int32_t dash) const
{
    // One point per pixel along the longer axis; a thick line is a square
    // brush around each.
    const double steps = std::ceil(std::max(std::fabs(x1 - x0), std::fabs(y1 - y0)));
    const std::int32_t count = checked::toInt32(steps, "line length");
    for (const double end : {x0, y0, x1, y1}) pixelOf(end);
    const std::int32_t before = (thickness - 1) / 2;
    for (std::int32_t i = 0; i <= count; ++i) {
        if (dash > 0 && (i / dash) % 2 == 1) continue;
        const double t = count == 0 ? 0 : static_cast<double>(i) / count;
        const std::int32_t x = pixelBetween(x0, x1, t);
        const std::int32_t y = pixelBetween(y0, y1, t);
        if (thickness == 1) {
            plot(x, y, colour);
        } else {
            fill(x - before, y - before, thickness, thickness, colour);
        }
    }
}

void Canvas::disc(double x, double y, double radius, Rgb colour) const
{
    const std::int32_t firstColumn = pixelOf(x - radius);
    const std::int32_t lastColumn = pixelOf(x + radius);
    const std::int32_t lastRow = pixelOf(y + radius);
    for (std::int32_t row = pixelOf(y - radius); row <= lastRow; ++row) {
        const double dy = row + 0.5 - y;
        // The row's pixels inside, from the first to the last.
        std::int32_t first = lastColumn + 1;
        std::int32_t last = firstColumn - 1;
        for (std::int32_t column = firstColumn; column <= lastColumn; ++column) {
            const double dx = column + 0.5 - x;
            if (dx * dx + dy * dy > radius * radius) continue;
            first = std::min(first, column);
            last = column;
        }
        fill(first, row, last - first + 1, 1, colour);
    }
}

void Canvas::polygon(std::span<const CanvasPoint> corners, Rgb colour) const
{
    if (corners.size() > mostCorners) throw RuntimeError("a polygon of more than 256 corners");
    // The sides that cross some row's middle, by the first such row; a side
    // covers the rows whose middle lies from its upper end up to, but not
    // including, its lower end, so each row meets a closed outline an even
    // number of times.
    struct Side {
        std::int32_t firstRow;
        std::int32_t endRow;
        double x;      // where it crosses the middle of the row being filled
        double slope;  // its change from row to row
    };
    std::array<Side, mostCorners> sides;
    std::size_t count = 0;
    for (const CanvasPoint& corner : corners) {
        checked::finite(corner.x, "polygon corner x");
        checked::finite(corner.y, "polygon corner y");
    }
    for (std::size_t i = 0; i < corners.size(); ++i) {
        CanvasPoint from = corners[i];
        CanvasPoint to = corners[(i + 1) % corners.size()];
        if (from.y > to.y) std::swap(from, to);
        // The first row whose middle lies at or below a point: ceil(y - 0.5).
        const std::int32_t firstRow = std::max(-pixelFloor(0.5 - from.y), 0);
        const std::int32_t endRow = std::min(-pixelFloor(0.5 - to.y), pixels.height);
        if (firstRow >= endRow) continue;
        const double slope = (to.x - from.x) / (to.y - from.y);
        sides[count++] = {firstRow, endRow, from.x + (firstRow + 0.5 - from.y) * slope, slope};
    }
    // By their first row: a few dozen sides, in order along the outline.
    for (std::size_t i = 1; i < count; ++i) {
        const Side side = sides[i];
        std::size_t at = i;
        for (; at > 0 && sides[at - 1].firstRow > side.firstRow; --at) sides[at] = sides[at - 1];
        sides[at] = side;
    }
    // Row by row, the sides that cross it and where, in order; the pixels
    // whose middles lie between the first and second crossing, the third
    // and fourth, and so on. Within the canvas the columns need no check.
    std::array<Side, mostCorners> crossing;
    std::array<double, mostCorners> xs;
    std::size_t crossings = 0;
    std::size_t next = 0;
    const std::uint32_t pixel = colour.pixel();
    for (std::int32_t row = count > 0 ? sides[0].firstRow : 0; next < count || crossings > 0; ++row) {
        while (next < count && sides[next].firstRow == row) crossing[crossings++] = sides[next++];
        std::size_t kept = 0;
        for (std::size_t i = 0; i < crossings; ++i) {
            Side side = crossing[i];
            if (row >= side.endRow) continue;
            // In order as they come: a few crossings a row.
            std::size_t at = kept;
            for (; at > 0 && xs[at - 1] > side.x; --at) xs[at] = xs[at - 1];
            xs[at] = side.x;
            side.x += side.slope;
            crossing[kept++] = side;
        }
        crossings = kept;
        std::uint32_t* const pixelRow = pixels.pixels + std::ptrdiff_t(row) * pixels.pitch;
        std::int32_t leftmost = pixels.width;
        std::int32_t rightmost = 0;
        for (std::size_t i = 0; i + 1 < crossings; i += 2) {
            const std::int32_t first = std::max(-pixelFloor(0.5 - xs[i]), 0);
            const std::int32_t end = std::min(-pixelFloor(0.5 - xs[i + 1]), pixels.width);
            if (first >= end) continue;
            std::fill(pixelRow + first, pixelRow + end, pixel);
            leftmost = std::min(leftmost, first);
            rightmost = std::max(rightmost, end);
        }
        if (changes) changes->add(top + row, left + leftmost, left + rightmost);
    }
}

std::int32_t Canvas::text(std::int32_t x, std::int32_t y, std::string_view text, Rgb colour,
                          std::int32_t scale) const
{
    const std::uint32_t pixel = colour.pixel();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::int32_t left = x + static_cast<std::int32_t>(i) * font::advance * scale;
        const bool inside = left >= 0 && y >= 0 && left + font::glyphWidth * scale <= pixels.width &&
                            y + font::glyphHeight * scale <= pixels.height;
        for (std::uint64_t bits = font::inkBits(text[i]); bits != 0; bits &= bits - 1) {
            const std::int32_t at = std::countr_zero(bits);
            const std::int32_t column = left + at % font::glyphWidth * scale;
            const std::int32_t row = y + at / font::glyphWidth * scale;
            // The common case, small text wholly on the canvas, a store a pixel.
            if (inside && scale == 1 && !changes) {
                pixels.pixels[row * pixels.pitch + column] = pixel;
            } else {
                fill(column, row, scale, scale, colour);
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
