// SPDX-License-Identifier: MIT
#pragma once
// A level file watched for saves: the main loop asks once a second whether
// it has changed since it was last read. Each look reads the file, since
// neither its length nor its time of change gives a save away: every level
// picture of a format has one length, and some file systems (FAT, HFS+)
// keep the time to a second or two. Only the bytes a level picture can hold
// are compared: a longer file is refused by its length alone.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class LevelWatch {
public:
    // The file as it is now counts as read: made before the level is read,
    // the watch misses no save from then on.
    explicit LevelWatch(std::string fileName);

    // Whether the file differs from the last time this was asked (or since
    // the start); a file that is gone counts as changed once.
    bool changed();
    const std::string& fileName() const { return name; }

private:
    struct Look {
        bool exists = false;
        std::uintmax_t length = 0;
        std::vector<unsigned char> bytes;  // the first ones, up to the most a level picture holds
        bool operator==(const Look&) const = default;
    };
    void take(Look& look) const;

    std::string name;
    std::filesystem::path path;
    Look last;
    // Kept between looks, so that a look reuses the room of the last.
    Look now;
};
