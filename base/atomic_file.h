// SPDX-License-Identifier: MIT
#pragma once
// Files the program writes: a file on disk is always either the old one,
// whole, or the new one, whole. The bytes go to a temporary file in the
// same folder (a rename across file systems would be a copy), which is
// flushed to disk and then renamed over the old file; a crash, a full disk
// or a refused write at any moment leaves the old file as it was.
//
// File names are UTF-8, as the command line and dropped files give them.
// Each failure comes back as the system's reason in a few words ("No space
// left on device"), for the caller to put beside the file's name.

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Writes `bytes` as the whole of `fileName`: "" once it is there, otherwise
// why not, with the old file (if any) unchanged. A symbolic link is followed
// and its target replaced; a new file takes the usual permissions, a
// replaced one keeps its own.
std::string replaceFileWith(std::string_view fileName, std::span<const unsigned char> bytes);

// A file written a piece at a time over a while, such as a recording: the
// pieces go to "FILE.part" beside FILE, and commit() puts the whole of it in
// FILE's place. If the program ends without committing, FILE is untouched
// and FILE.part holds every piece appended so far.
class PartFile {
public:
    static constexpr std::string_view suffix = ".part";

    // Creates FILE.part afresh, replacing one left by an earlier run; nothing
    // and the reason in `problem` when it cannot.
    static std::optional<PartFile> create(std::string_view fileName, std::string& problem);

    PartFile(PartFile&& other) noexcept;
    PartFile& operator=(PartFile&&) = delete;
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;
    // Closes FILE.part and leaves it where it is.
    ~PartFile();

    // Hands the bytes to the system, which keeps them even if the program
    // then dies; "" or why not.
    std::string append(std::span<const unsigned char> bytes);
    // Flushes FILE.part to disk and renames it over FILE; "" or why not, and
    // then FILE.part stays. Nothing can be appended afterwards.
    std::string commit();

    const std::string& fileName() const { return name; }

    class Handle;

private:
    PartFile(std::string fileName, std::unique_ptr<Handle> handle);

    std::string name;
    std::unique_ptr<Handle> handle;  // none once committed
};
