// SPDX-License-Identifier: MIT
#include "core/platform.h"

#include "base/atomic_file.h"

std::string Platform::SaveFile(const std::string& fileName, std::span<const unsigned char> bytes)
{
    return replaceFileWith(fileName, bytes);
}
