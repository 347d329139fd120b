// SPDX-License-Identifier: MIT
#include "assets/picture_file.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <optional>
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
std::uint32_t number(const std::vector<unsigned char>& bytes, std::size_t at, std::size_t length)
{
    std::uint32_t value = 0;
    for (std::size_t i = length; i-- > 0;) value = value << 8 | bytes[at + i];
    return value;
}

// Formats a picture is often saved in by mistake, known by their first bytes.
std::optional<std::string_view> otherFormat(const std::vector<unsigned char>& head)
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

}  // namespace

PictureFile readPictureFile(const std::filesystem::path& path, PictureSize wanted, bool exactColours)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) return refuse("does not exist");
    if (fs::is_directory(status)) return refuse("is a directory");
    if (!fs::is_regular_file(status)) return refuse("is not a regular file");
    const std::uintmax_t length = fs::file_size(path, error);
    std::ifstream in(path, std::ios::binary);
    if (error || !in) return refuse("cannot be read");
    if (length == 0) return refuse("is empty");

    std::vector<unsigned char> head(std::min<std::uintmax_t>(length, longestHeader));
    if (!in.read(reinterpret_cast<char*>(head.data()), std::ssize(head))) return refuse("cannot be read");
    if (const auto format = otherFormat(head)) return refuse("is a " + std::string(*format) + " file, not a BMP");
    if (head.size() < 2 || head[0] != 'B' || head[1] != 'M') return refuse("is not a BMP file");
    const auto truncated = [&](std::uint64_t needed, std::string_view what) {
        return refuse("ends after " + grouped(length) + " bytes; its " + std::string(what) + " needs " +
                      grouped(needed));
    };
    if (length < 18) return refuse("ends after " + grouped(length) + " bytes, inside its header");

    // Information headers are 12 bytes (OS/2) or 40 and up (Windows, up to 124).
    const std::uint32_t infoLength = number(head, 14, 4);
    if (infoLength != 12 && (infoLength < 40 || infoLength > 124)) {
        return refuse("is not a BMP file: its header is " + std::to_string(infoLength) + " bytes long");
    }
    std::uint64_t headerEnd = 14 + infoLength;
    if (length < headerEnd) return truncated(headerEnd, "header alone");
    const bool os2 = infoLength == 12;
    const std::int64_t width = os2 ? number(head, 18, 2) : static_cast<std::int32_t>(number(head, 18, 4));
    // Negative in a picture stored top row first.
    const std::int64_t height =
        os2 ? number(head, 20, 2) : std::abs(std::int64_t{static_cast<std::int32_t>(number(head, 22, 4))});
    const std::uint32_t bitsPerPixel = number(head, os2 ? 24 : 28, 2);
    const std::uint32_t compression = os2 ? 0 : number(head, 30, 4);
    const bool masked = compression == bitFields || compression == alphaBitFields;
    // The red, green and blue masks lie inside a header of 52 bytes or more,
    // and right after a shorter one.
    const std::size_t masksAt = infoLength >= 52 ? 54 : 14 + infoLength;
    if (masked) headerEnd = std::max<std::uint64_t>(headerEnd, masksAt + 12);
    if (length < headerEnd) return truncated(headerEnd, "header alone");
    // From here on every number read lies before headerEnd, within `head`.

    if (width != wanted.width || height != wanted.height) {
        return refuse("is " + dimensions(width, height) + " pixels; it must be " +
                      dimensions(wanted.width, wanted.height));
    }

    // Palette entries and 24- and 32-bit pixels hold 8 bits a channel; 16-bit
    // pixels 5 or 6, or as many as their masks say.
    int channelBits = bitsPerPixel == 16 ? 5 : 8;
    if (masked && bitsPerPixel > 8) {
        channelBits = std::min({std::popcount(number(head, masksAt, 4)),
                                std::popcount(number(head, masksAt + 4, 4)),
                                std::popcount(number(head, masksAt + 8, 4))});
    }
    if (exactColours && channelBits < 8) {
        return refuse("has " + std::to_string(bitsPerPixel) +
                      " bits a pixel, too few to hold the level colours exactly; save it with 24 or 32 bits a "
                      "pixel");
    }

    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * bitsPerPixel + 31) / 32 * 4;
    const bool runLengths = compression == rle8 || compression == rle4;
    const std::uint64_t needed = number(head, 10, 4) + (runLengths ? number(head, 34, 4) : rowBytes * height);
    if (length < needed) return truncated(needed, "header");
    if (length > longestFile) {
        return refuse("is " + grouped(length) + " bytes long, far more than a " + dimensions(width, height) +
                      " picture takes");
    }

    std::vector<unsigned char> bytes(length);
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), std::ssize(bytes))) return refuse("cannot be read");
    return {std::move(bytes), {}};
}
