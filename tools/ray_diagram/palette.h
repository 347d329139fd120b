// SPDX-License-Identifier: MIT
#pragma once
// The colours of the diagram around the level and the frame, named once so
// the legend shows what the pictures use; the level's own are render/'s.

#include <array>

#include "gfx/rgb.h"

namespace palette {

inline constexpr Rgb background{30, 32, 38};
inline constexpr Rgb text{225, 225, 225};
inline constexpr Rgb dimText{150, 152, 160};
// Marked columns, in order; as many columns can be marked as there are colours.
inline constexpr std::array<Rgb, 6> marks{{
    {255, 70, 200},
    {90, 235, 90},
    {255, 235, 60},
    {190, 130, 255},
    {255, 255, 255},
    {60, 235, 225},
}};

}  // namespace palette
