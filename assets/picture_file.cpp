// SPDX-License-Identifier: MIT
#include "assets/picture_file.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

namespace {

// Far more than a picture of any size used here takes in any BMP form; a
// longer file is refused rather than read.
constexpr std::uintmax_t longestFile = 1 << 20;
// The file header and the largest information header.
constexpr std::size_t longestHeader = 14 + 124;

// How the pixels are stored.
constexpr std::uint32_t rle8 = 1;
constexpr std::uint32_t rle4 = 2;
constexpr std::uint32_t bitFields = 3;
constexpr std::uint32_t alphaBitFields = 6;

PictureFile refuse(std::string problem) { return {{}, std::move(problem)}; }

// 12342 as "12,342".
std::string grouped(std::uintmax_t number)
{
    const std::string digits = std::to_string(number);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return text;
}

std::string dimensions(std::int64_t width, std::int64_t height)
{
    return std::to_string(width) + " x " + std::to_string(height);
}

// Every number in a BMP file is little-endian.
std::uint32_t number(std::span<const unsigned char> bytes, std::size_t at, std::size_t length)
{
    std::uint32_t value = 0;
    for (std::size_t i = length; i-- > 0;) value = value << 8 | bytes[at + i];
    return value;
}

// Formats a picture is often saved in by mistake, known by their first bytes.
std::optional<std::string_view> otherFormat(std::span<const unsigned char> head)
{
    struct Signature {
        std::string_view bytes;
        std::size_t at;
        std::string_view format;
    };
    static constexpr Signature signatures[] = {
        {"\x89PNG", 0, "PNG"},           {"\xFF\xD8\xFF", 0, "JPEG"},       {"GIF8", 0, "GIF"},
        {{"II*\0", 4}, 0, "TIFF"},       {{"MM\0*", 4}, 0, "TIFF"},         {"WEBP", 8, "WebP"},
    };
    const auto same = [](char expected, unsigned char found) { return static_cast<unsigned char>(expected) == found; };
    for (const Signature& signature : signatures) {
        const bool matches =
            head.size() >= signature.at + signature.bytes.size() &&
            std::equal(signature.bytes.begin(), signature.bytes.end(), head.begin() + std::ptrdiff_t(signature.at),
                       same);
        if (matches) return signature.format;
    }
    return std::nullopt;
}

// What is wrong with a picture file of `length` bytes that begins with
// `head` (its first longestHeader bytes, or all of a shorter file), judged by
// its header alone; empty when nothing is.
std::string headerProblem(std::span<const unsigned char> head, std::uintmax_t length, PictureSize wanted,
                          bool exactColours)
{
    if (length == 0) return "is empty";
    if (const auto format = otherFormat(head)) return "is a " + std::string(*format) + " file, not a BMP";
    if (head.size() < 2 || head[0] != 'B' || head[1] != 'M') return "is not a BMP file";
    const auto truncated = [&](std::uint64_t needed, std::string_view what) {
        return "ends after " + grouped(length) + " bytes; its " + std::string(what) + " needs " + grouped(needed);
    };
    if (length < 18) return "ends after " + grouped(length) + " bytes, inside its header";

    // Information headers are 12 bytes (OS/2) or 40 and up (Windows, up to 124).
    const std::uint32_t infoLength = number(head, 14, 4);
    if (infoLength != 12 && (infoLength < 40 || infoLength > 124)) {
        return "is not a BMP file: its header is " + std::to_string(infoLength) + " bytes long";
    }
    std::uint64_t headerEnd = 14 + infoLength;
    if (length < headerEnd) return truncated(headerEnd, "header alone");
    const bool os2 = infoLength == 12;
    // Signed in a Windows header, unsigned in an OS/2 one.
    const auto signedNumber = [&](std::size_t at) {
        return std::int64_t{static_cast<std::int32_t>(number(head, at, 4))};
    };
    const std::int64_t width = os2 ? std::int64_t{number(head, 18, 2)} : signedNumber(18);
    // Negative in a picture stored top row first.
    const std::int64_t height = os2 ? std::int64_t{number(head, 20, 2)} : std::abs(signedNumber(22));
    const std::uint32_t bitsPerPixel = number(head, os2 ? 24 : 28, 2);
    const std::uint32_t compression = os2 ? 0 : number(head, 30, 4);
    const bool masked = compression == bitFields || compression == alphaBitFields;
    // The red, green and blue masks lie inside a header of 52 bytes or more,
    // and right after a shorter one.
    const std::size_t masksAt = infoLength >= 52 ? 54 : 14 + infoLength;
    if (masked) headerEnd = std::max<std::uint64_t>(headerEnd, masksAt + 12);
    if (length < headerEnd) return truncated(headerEnd, "header alone");
    // From here on every number read lies before headerEnd, within `head`.

    if (width < 0) return "has a negative width (" + std::to_string(width) + "), which no BMP file has";
    if (width != wanted.width || height != wanted.height) {
        return "is " + dimensions(width, height) + " pixels; it must be " + dimensions(wanted.width, wanted.height);
    }

    // Otherwise the length the pixels need would be wrong too.
    if (bitsPerPixel > 32) {
        return "has " + std::to_string(bitsPerPixel) + " bits a pixel; a BMP file's pixels have 32 at most";
    }
    // Palette entries and 24- and 32-bit pixels hold 8 bits a channel, 16-bit
    // pixels 5 or 6; pixels with colour masks as many as their masks say.
    if (exactColours && bitsPerPixel == 16) {
        return "has 16 bits a pixel, too few to hold the level colours exactly; save it with 24 or 32 bits a "
               "pixel";
    }
    // SDL would only say it knows no such pixel format.
    if (masked && bitsPerPixel != 16 && bitsPerPixel != 32) {
        return "has colour masks with " + std::to_string(bitsPerPixel) +
               " bits a pixel; a BMP file has them only with 16 or 32";
    }
    // Read only where they lie within headerEnd.
    const std::uint32_t redMask = masked ? number(head, masksAt, 4) : 0;
    const std::uint32_t greenMask = masked ? number(head, masksAt + 4, 4) : 0;
    const std::uint32_t blueMask = masked ? number(head, masksAt + 8, 4) : 0;
    if (masked && ((redMask & greenMask) | (redMask & blueMask) | (greenMask & blueMask)) != 0) {
        return "has colour masks for red, green and blue that share bits";
    }
    if (exactColours && masked) {
        const int red = std::popcount(redMask);
        const int green = std::popcount(greenMask);
        const int blue = std::popcount(blueMask);
        if (std::min({red, green, blue}) < 8) {
            return "has " + std::to_string(bitsPerPixel) + " bits a pixel, but its colour masks keep only " +
                   std::to_string(red) + " bits of red, " + std::to_string(green) + " of green and " +
                   std::to_string(blue) +
                   " of blue, too few to hold the level colours exactly; save it with 8 bits a colour";
        }
    }

    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * bitsPerPixel + 31) / 32 * 4;
    const bool runLengths = compression == rle8 || compression == rle4;
    const std::uint32_t pixelsAt = number(head, 10, 4);
    if (length <= pixelsAt) {
        return "ends after " + grouped(length) + " bytes, before its pixels, which its header puts at byte " +
               grouped(pixelsAt);
    }
    const std::uint64_t needed = pixelsAt + (runLengths ? number(head, 34, 4) : rowBytes * height);
    if (length < needed) return truncated(needed, "header");
    if (length > longestFile) {
        return "is " + grouped(length) + " bytes long, far more than a " + dimensions(width, height) +
               " picture takes";
    }
    return {};
}

}  // namespace

std::string pictureProblem(std::span<const unsigned char> file, PictureSize wanted, bool exactColours)
{
    return headerProblem(file.first(std::min(file.size(), longestHeader)), file.size(), wanted, exactColours);
}

PictureFile readPictureFile(const std::filesystem::path& path, PictureSize wanted, bool exactColours)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) return {{}, "does not exist", true};
    if (fs::is_directory(status)) return refuse("is a directory");
    if (!fs::is_regular_file(status)) return refuse("is not a regular file");
    const std::uintmax_t length = fs::file_size(path, error);
    std::ifstream in(path, std::ios::binary);
    if (error || !in) return refuse("cannot be read");

    std::vector<unsigned char> head(std::min<std::uintmax_t>(length, longestHeader));
    if (!in.read(reinterpret_cast<char*>(head.data()), std::ssize(head))) return refuse("cannot be read");
    std::string problem = headerProblem(head, length, wanted, exactColours);
    if (!problem.empty()) return refuse(std::move(problem));

    std::vector<unsigned char> bytes(length);
    in.seekg(0);
    // A file that shrank since its length was read (a save in progress).
    if (!in.read(reinterpret_cast<char*>(bytes.data()), std::ssize(bytes))) return refuse("cannot be read");
    return {std::move(bytes), {}};
}
