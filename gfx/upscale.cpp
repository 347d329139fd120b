// SPDX-License-Identifier: MIT
#include "gfx/upscale.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>

namespace {

// Four-byte pixels, the usual window format, with the scale known to the
// compiler, which then writes each block's row in a few wide stores.
template <int scale>
void widenRow32(const Uint8* from, Uint8* to, int pixels)
{
    const Uint32* source = reinterpret_cast<const Uint32*>(from);
    Uint32* target = reinterpret_cast<Uint32*>(to);
    for (int x = 0; x < pixels; ++x) {
        const Uint32 pixel = source[x];
        for (int copy = 0; copy < scale; ++copy) target[copy] = pixel;
        target += scale;
    }
}

// One source row widened into one destination row, each pixel repeated
// `scale` times.
void widenRow(const Uint8* from, Uint8* to, int pixels, int bytesPerPixel, int scale)
{
    if (bytesPerPixel == 4) {
        switch (scale) {
        case 1: std::memcpy(to, from, std::size_t(pixels) * 4); return;
        case 2: widenRow32<2>(from, to, pixels); return;
        case 3: widenRow32<3>(from, to, pixels); return;
        case 4: widenRow32<4>(from, to, pixels); return;
        case 5: widenRow32<5>(from, to, pixels); return;
        case 6: widenRow32<6>(from, to, pixels); return;
        case 7: widenRow32<7>(from, to, pixels); return;
        case 8: widenRow32<8>(from, to, pixels); return;
        default: break;
        }
    }
    // Any other depth or scale, a byte at a time.
    for (int x = 0; x < pixels; ++x) {
        for (int copy = 0; copy < scale; ++copy) {
            std::memcpy(to, from, std::size_t(bytesPerPixel));
            to += bytesPerPixel;
        }
        from += bytesPerPixel;
    }
}

}  // namespace

void upscale(const SDL_Surface& from, const SDL_Rect& area, SDL_Surface& to, std::int32_t scale)
{
    if (scale < 1) return;
    // The part of the area that lies in `from` and whose blocks fit in `to`.
    const int left = std::max(area.x, 0);
    const int top = std::max(area.y, 0);
    const int right = std::min({area.x + area.w, from.w, to.w / scale});
    const int bottom = std::min({area.y + area.h, from.h, to.h / scale});
    if (right <= left || bottom <= top) return;

    const int bytesPerPixel = from.format->BytesPerPixel;
    const std::size_t rowBytes = std::size_t(right - left) * std::size_t(scale) * std::size_t(bytesPerPixel);
    const auto* source = static_cast<const Uint8*>(from.pixels);
    auto* target = static_cast<Uint8*>(to.pixels);
    for (int y = top; y < bottom; ++y) {
        const Uint8* sourceRow = source + std::ptrdiff_t(y) * from.pitch + std::ptrdiff_t(left) * bytesPerPixel;
        Uint8* firstRow =
            target + std::ptrdiff_t(y) * scale * to.pitch + std::ptrdiff_t(left) * scale * bytesPerPixel;
        widenRow(sourceRow, firstRow, right - left, bytesPerPixel, scale);
        // The other rows of the block are copies of the first.
        for (int copy = 1; copy < scale; ++copy) {
            std::memcpy(firstRow + std::ptrdiff_t(copy) * to.pitch, firstRow, rowBytes);
        }
    }
}
