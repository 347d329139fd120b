// SPDX-License-Identifier: MIT
#include "input/mouse_turn.h"

#include <algorithm>

namespace {

// Half the 16-bit turn a pass records, in hundredths: more than any hand
// moves in a pass, and far from any overflow.
constexpr std::int64_t mostGathered = 100 * 16383;

}  // namespace

void MouseTurn::move(std::int32_t counts)
{
    gathered = std::clamp(gathered + counts * speed, -mostGathered, mostGathered);
}

std::int16_t MouseTurn::take()
{
    const std::int64_t whole = gathered / 100;
    gathered -= whole * 100;
    return static_cast<std::int16_t>(whole);
}
