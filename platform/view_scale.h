// SPDX-License-Identifier: MIT
#pragma once
// The whole-number scale the window is shown at when the command line does
// not name one.

#include <algorithm>
#include <cstdint>

#include "base/checked.h"

// The scales the command line accepts.
inline constexpr std::int32_t smallestScale = 1;
inline constexpr std::int32_t largestScale = 8;

inline bool isScale(std::int32_t scale) { return scale >= smallestScale && scale <= largestScale; }

// The stored window size is physical (in twips, 15 to a pixel at 96 dpi), so
// a display of `dpi` shows it at dpi / 96, rounded to the nearest whole
// number. A display that reports no dpi (0) is taken to be a 96 dpi one.
inline std::int32_t scaleForDpi(float dpi)
{
    if (!(dpi > 0)) return smallestScale;
    const std::int32_t scale = checked::toInt32(std::min(double{dpi} / 96, double{largestScale}), "display scale");
    return std::clamp(scale, smallestScale, largestScale);
}

// The largest scale at which a box fits a display; at least 1 even when the
// box does not fit at all.
inline std::int32_t scaleToFit(std::int32_t displayWidth, std::int32_t displayHeight, std::int32_t boxWidth,
                               std::int32_t boxHeight)
{
    return std::max(smallestScale, std::min(displayWidth / boxWidth, displayHeight / boxHeight));
}
