// SPDX-License-Identifier: MIT
#include "core/level_watch.h"

#include <algorithm>
#include <fstream>
#include <utility>

namespace {

// More than the longest level picture: 64 x 64 pixels of 32 bits, the
// longest header and a palette.
constexpr std::uintmax_t mostComparedBytes = 32 * 1024;

}  // namespace

LevelWatch::LevelWatch(std::string fileName) : name(std::move(fileName)), path(std::u8string(name.begin(), name.end()))
{
    take(last);
}

void LevelWatch::take(Look& look) const
{
    // A file that cannot be read looks like one that is gone, which counts
    // as a change from a file that was there.
    look.exists = false;
    look.bytes.clear();
    std::error_code error;
    look.length = std::filesystem::file_size(path, error);
    std::ifstream file(path, std::ios::binary);
    if (error || !file) {
        look.length = 0;
        return;
    }
    look.bytes.resize(std::min(look.length, mostComparedBytes));
    file.read(reinterpret_cast<char*>(look.bytes.data()), std::streamsize(look.bytes.size()));
    look.bytes.resize(std::size_t(file.gcount()));
    look.exists = true;
}

bool LevelWatch::changed()
{
    take(now);
    if (now == last) return false;
    std::swap(now, last);
    return true;
}
