// SPDX-License-Identifier: MIT
// Fuzz target for readPictureFile, the one hand-written reader of a binary
// format: whatever bytes a picture file holds, the reader must neither crash
// nor read out of bounds (the sanitizers watch that), and must either refuse
// the file in one line or hand back the file whole, as a picture of the size
// asked for. The same bytes then go through the program's check of a level
// from outside (a dropped or watched file), in memory and from the file:
// SDL decodes only what the header check let through, the two agree, and a
// refusal is a short list of lines ending in the count. Built as a libFuzzer target with QUENTAVOX_FUZZER=ON (clang), and
// otherwise driven by mutation_driver.cpp as a test.

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "assets/level_picture.h"
#include "assets/map_decoding.h"
#include "assets/picture_file.h"

// How many readings accepted the file, for a driver to see that some do.
std::size_t inputsAccepted = 0;

namespace {

// The reader takes a path, so each input goes into one file, kept in memory
// (a file on disk would make the run wait on the disk).
class ScratchFile {
public:
    ScratchFile() : fd(memfd_create("picture_file_fuzz", 0)), path("/proc/self/fd/" + std::to_string(fd))
    {
        if (fd < 0) {
            std::perror("picture_file_fuzz: cannot make a scratch file");
            std::abort();
        }
    }
    ~ScratchFile() { close(fd); }

    void hold(const std::uint8_t* data, std::size_t size) const
    {
        std::size_t written = 0;
        while (written < size) {
            const ssize_t now = pwrite(fd, data + written, size - written, off_t(written));
            if (now <= 0) break;
            written += std::size_t(now);
        }
        if (written != size || ftruncate(fd, off_t(size)) != 0) {
            std::perror("picture_file_fuzz: cannot write the scratch file");
            std::abort();
        }
    }

    const int fd;
    const std::filesystem::path path;
};

std::uint32_t number(const std::uint8_t* data, std::size_t at, std::size_t length)
{
    std::uint32_t value = 0;
    for (std::size_t i = length; i-- > 0;) value = value << 8 | data[at + i];
    return value;
}

void failed(const char* what, const std::string& problem)
{
    std::fprintf(stderr, "picture_file_fuzz: %s (problem: \"%s\")\n", what, problem.c_str());
    std::abort();
}

void check(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size, PictureSize wanted,
           bool exactColours)
{
    const PictureFile read = readPictureFile(path, wanted, exactColours);
    if (!read.problem.empty()) {
        if (!read.bytes.empty()) failed("refused, yet handed back bytes", read.problem);
        if (read.problem.find('\n') != std::string::npos) failed("refused in more than one line", read.problem);
        return;
    }
    if (read.bytes.size() != size || !std::equal(read.bytes.begin(), read.bytes.end(), data)) {
        failed("accepted, but handed back other bytes than the file's", read.problem);
    }
    // An accepted file is a BMP whose header gives the size asked for.
    if (size < 26 || data[0] != 'B' || data[1] != 'M') failed("accepted a file that is no BMP", read.problem);
    const std::uint32_t infoLength = number(data, 14, 4);
    if (infoLength != 12 && (infoLength < 40 || infoLength > 124)) failed("accepted an unknown header", read.problem);
    const bool os2 = infoLength == 12;
    // Signed in a Windows header; a negative height means top row first.
    const auto signedNumber = [&](std::size_t at) { return std::int64_t{std::int32_t(number(data, at, 4))}; };
    const std::int64_t width = os2 ? number(data, 18, 2) : signedNumber(18);
    const std::int64_t height = os2 ? number(data, 20, 2) : signedNumber(22);
    if (width != wanted.width || (height != wanted.height && height != -std::int64_t{wanted.height})) {
        failed("accepted a picture of another size", read.problem);
    }
    ++inputsAccepted;
}

void checkLevel(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size)
{
    const std::string name = path.string();
    const LevelPicture level = checkLevelPicture({data, size}, name);
    if (readLevelPicture(name).lines != level.lines) failed("the file and the bytes are judged apart", level.lines);
    // Three rules of at most six lines each, or one problem, and the count.
    const auto lines = std::count(level.lines.begin(), level.lines.end(), '\n');
    const std::string count = name + ": ";
    if (lines < 1 || lines > 19 || level.lines.back() != '\n' ||
        level.lines.rfind(count) != level.lines.rfind('\n', level.lines.size() - 2) + 1) {
        failed("the lines are not a short list ending in the count", level.lines);
    }
    if (level.picture) {
        if (level.lines != count + "0 errors, 0 warnings\n") failed("accepted with findings", level.lines);
        MapCells cells;
        decodeMap(*level.picture, cells);
        if (!(cells == level.mapCells)) failed("accepted, but the level is not the picture's", level.lines);
        if (cells(startCell.x, startCell.y) != 0) failed("accepted a level whose start is a wall", level.lines);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFile scratch;
    scratch.hold(data, size);
    // As each picture is read: the level, whose colours must be exact, the
    // backdrop and a wall texture.
    check(scratch.path, data, size, mapPictureSize, true);
    check(scratch.path, data, size, backdropPictureSize, false);
    check(scratch.path, data, size, texturePictureSize, false);
    checkLevel(scratch.path, data, size);
    return 0;
}
