// SPDX-License-Identifier: MIT
#pragma once
// The colours of the diagram, named once so the legend shows what the
// pictures use.

#include <array>

#include "gfx/rgb.h"

namespace palette {

inline constexpr Rgb background{30, 32, 38};
inline constexpr Rgb text{225, 225, 225};
inline constexpr Rgb dimText{150, 152, 160};
inline constexpr Rgb floor{0, 0, 0};
inline constexpr Rgb grid{46, 46, 52};
inline constexpr Rgb player{255, 255, 255};
inline constexpr Rgb outline{0, 0, 0};
// A ray and the face it hits take the colour of the walk that found it; the
// ray in a darker shade (tenths of the face's), so the faces stand out.
inline constexpr Rgb xLineWalk{255, 150, 30};
inline constexpr Rgb yLineWalk{60, 165, 255};
inline constexpr int rayShade = 6;
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
