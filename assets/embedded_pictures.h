// SPDX-License-Identifier: MIT
#pragma once
// The pictures compiled into the program from the BMP files beside this header.

#include <span>
#include <string_view>

namespace embedded {

struct Picture {
    std::string_view name;
    std::span<const unsigned char> file;
};

extern const Picture map;
extern const Picture backdrop;
extern const Picture texture1;
extern const Picture texture2;
extern const Picture texture3;
extern const Picture texture4;
extern const Picture texture5;

}  // namespace embedded
