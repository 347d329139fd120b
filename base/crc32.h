// SPDX-License-Identifier: MIT
#pragma once
// CRC-32 as zip and PNG compute it. A demo block and a walk link carry one,
// so a changed or lost byte is found before anything is played.

#include <array>
#include <cstdint>
#include <span>

namespace crc32 {

inline constexpr std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> entries{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t value = i;
        for (int bit = 0; bit < 8; ++bit) value = value & 1 ? 0xEDB88320 ^ (value >> 1) : value >> 1;
        entries[i] = value;
    }
    return entries;
}();

// Continues `crc` (0 to start) over the bytes.
inline std::uint32_t update(std::uint32_t crc, std::span<const unsigned char> bytes)
{
    crc = ~crc;
    for (const unsigned char byte : bytes) crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

}  // namespace crc32
