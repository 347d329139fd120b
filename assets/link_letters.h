// SPDX-License-Identifier: MIT
#pragma once
// The 64 letters a link is written in, those of the URL-safe base64
// alphabet, worth 0 to 63 in this order. They pass through an address
// unchanged.

#include <array>
#include <cstdint>
#include <string_view>

inline constexpr std::string_view linkLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

// Each byte's worth as a letter, -1 for a byte that is none.
inline constexpr std::array<std::int8_t, 256> linkLetterValues = [] {
    std::array<std::int8_t, 256> values{};
    values.fill(-1);
    for (std::size_t i = 0; i < linkLetters.size(); ++i) {
        values[static_cast<unsigned char>(linkLetters[i])] = static_cast<std::int8_t>(i);
    }
    return values;
}();

inline std::int32_t linkLetterValue(char letter) { return linkLetterValues[static_cast<unsigned char>(letter)]; }
