// SPDX-License-Identifier: MIT
#pragma once
// A level file watched for saves: the main loop asks once a second whether
// it has changed since it was last read, which costs one look at the file's
// length and time of change and reads nothing.

#include <cstdint>
#include <filesystem>
#include <string>

class LevelWatch {
public:
    // The file as it is now counts as read.
    explicit LevelWatch(std::string fileName);

    // Whether the file differs from the last time this was asked (or since
    // the start); a file that is gone counts as changed once.
    bool changed();
    const std::string& fileName() const { return name; }

private:
    struct Stamp {
        std::filesystem::file_time_type written{};
        std::uintmax_t length = 0;
        bool exists = false;
        bool operator==(const Stamp&) const = default;
    };
    Stamp stamp() const;

    std::string name;
    std::filesystem::path path;
    Stamp last;
};
