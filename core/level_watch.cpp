// SPDX-License-Identifier: MIT
#include "core/level_watch.h"

#include <utility>

LevelWatch::LevelWatch(std::string fileName)
    : name(std::move(fileName)), path(std::u8string(name.begin(), name.end())), last(stamp())
{
}

LevelWatch::Stamp LevelWatch::stamp() const
{
    // Errors leave the fields at their defaults, which count as a change
    // from a file that was there.
    std::error_code error;
    Stamp now;
    now.length = std::filesystem::file_size(path, error);
    if (error) return {};
    now.written = std::filesystem::last_write_time(path, error);
    if (error) return {};
    now.exists = true;
    return now;
}

bool LevelWatch::changed()
{
    const Stamp now = stamp();
    if (now == last) return false;
    last = now;
    return true;
}
