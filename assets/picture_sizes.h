// SPDX-License-Identifier: MIT
#pragma once
// The sizes of the pictures the program is built from. The level check, the
// start-up check, the map decoder and the renderer all read them from here.

#include <cstddef>
#include <cstdint>

struct PictureSize {
    std::int32_t width;
    std::int32_t height;
};

// One pixel a cell of the 64 x 64 level.
inline constexpr PictureSize mapPictureSize{64, 64};
// Ceiling over floor, stretched over the whole view.
inline constexpr PictureSize backdropPictureSize{64, 64};
// A wall texture holds its face twice, side by side: lit on the left and a
// darker copy on the right for the faces on lines y = k.
inline constexpr std::int32_t textureFace = 64;
inline constexpr PictureSize texturePictureSize{2 * textureFace, textureFace};

// picTexture is indexed by wall code. Member 0 is an empty placeholder (code
// 0 is open floor); every other member is the texture of its code.
inline constexpr std::size_t textureSlots = 6;
inline constexpr std::int16_t highestWallCode = static_cast<std::int16_t>(textureSlots - 1);
