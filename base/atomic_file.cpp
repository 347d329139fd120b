// SPDX-License-Identifier: MIT
#include "base/atomic_file.h"

#include <algorithm>
#include <filesystem>
#include <random>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace fs = std::filesystem;

namespace {

fs::path pathOf(std::string_view utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

// The file a name stands for: a symbolic link is replaced by writing its
// target, as editors do, so the link keeps pointing at the new content.
fs::path writtenPath(std::string_view fileName)
{
    fs::path path = pathOf(fileName);
    std::error_code error;
    if (fs::is_symlink(path, error)) {
        const fs::path target = fs::weakly_canonical(path, error);
        if (!error) return target;
    }
    return path;
}

#ifdef _WIN32
std::string lastError() { return std::system_category().message(static_cast<int>(GetLastError())); }
#else
std::string lastError() { return std::generic_category().message(errno); }
#endif

}  // namespace

// An open file of the system's own, written without a library buffer so
// that every byte handed over is the system's once the call returns.
class PartFile::Handle {
public:
    // A new file: `fresh` replaces one of the name; otherwise an existing
    // name is an error, so two writers never share a temporary file. It
    // takes the permissions of `like` when that exists. `taken` tells
    // whether it failed only because the name was in use.
    static std::unique_ptr<Handle> create(const fs::path& path, const fs::path& like, bool fresh,
                                          std::string& problem, bool* taken = nullptr)
    {
#ifdef _WIN32
        (void)like;
        // Others may read it meanwhile, as on Linux: a demo being recorded
        // plays up to its last flushed block.
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                        fresh ? CREATE_ALWAYS : CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            if (taken) *taken = GetLastError() == ERROR_FILE_EXISTS;
            problem = lastError();
            return nullptr;
        }
        return std::unique_ptr<Handle>(new Handle(file));
#else
        if (fresh && ::unlink(path.c_str()) != 0 && errno != ENOENT) {
            problem = lastError();
            return nullptr;
        }
        struct stat old{};
        const bool replaces = ::stat(like.c_str(), &old) == 0 && S_ISREG(old.st_mode);
        const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, replaces ? 0600 : 0666);
        if (file < 0) {
            if (taken) *taken = errno == EEXIST;
            problem = lastError();
            return nullptr;
        }
        auto handle = std::unique_ptr<Handle>(new Handle(file));
        // Owner first: a file that changes hands loses its set-id bits. Only
        // the superuser may give a file away; anyone else's copy stays theirs.
        if (replaces) {
            [[maybe_unused]] const int given = ::fchown(file, old.st_uid, old.st_gid);
            static_cast<void>(::fchmod(file, old.st_mode & 07777));
        }
        return handle;
#endif
    }

    ~Handle() { static_cast<void>(close()); }

    std::string write(std::span<const unsigned char> bytes)
    {
        while (!bytes.empty()) {
#ifdef _WIN32
            DWORD written = 0;
            const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
            if (!WriteFile(file, bytes.data(), piece, &written, nullptr)) return lastError();
#else
            const ssize_t written = ::write(file, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) continue;
            if (written < 0) return lastError();
#endif
            bytes = bytes.subspan(static_cast<std::size_t>(written));
        }
        return {};
    }

    // To the disk itself, and closed.
    std::string syncAndClose()
    {
#ifdef _WIN32
        if (!FlushFileBuffers(file)) return lastError();
#else
        if (::fsync(file) != 0) return lastError();
#endif
        return close();
    }

private:
#ifdef _WIN32
    explicit Handle(HANDLE file) : file(file) {}
    std::string close()
    {
        const bool closed = file == INVALID_HANDLE_VALUE || CloseHandle(file);
        file = INVALID_HANDLE_VALUE;
        return closed ? std::string() : lastError();
    }
    HANDLE file;
#else
    explicit Handle(int file) : file(file) {}
    std::string close()
    {
        const bool closed = file < 0 || ::close(file) == 0;
        file = -1;
        return closed ? std::string() : lastError();
    }
    int file;
#endif
};

namespace {

// Puts `from` in the place of `to`, in one step that either happens or not.
// Windows' plain rename refuses an existing target; this call replaces it.
std::string renameOver(const fs::path& from, const fs::path& to)
{
#ifdef _WIN32
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return lastError();
    }
#else
    if (::rename(from.c_str(), to.c_str()) != 0) return lastError();
    // The rename itself reaches the disk with the folder's entries.
    const fs::path folder = to.has_parent_path() ? to.parent_path() : fs::path(".");
    if (const int entries = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); entries >= 0) {
        static_cast<void>(::fsync(entries));
        ::close(entries);
    }
#endif
    return {};
}

// Writes the temporary file whole and puts it in place; removes it again
// on any failure.
std::string writeInPlaceOf(const fs::path& temporary, std::unique_ptr<PartFile::Handle> file,
                           std::span<const unsigned char> bytes, const fs::path& target)
{
    std::string problem = file->write(bytes);
    if (problem.empty()) problem = file->syncAndClose();
    file.reset();
    if (problem.empty()) problem = renameOver(temporary, target);
    if (!problem.empty()) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
    }
    return problem;
}

}  // namespace

std::string replaceFileWith(std::string_view fileName, std::span<const unsigned char> bytes)
{
    const fs::path target = writtenPath(fileName);
    // A hidden name of its own beside the target, made afresh when another
    // writer holds it.
    std::random_device random;
    std::string problem;
    for (int attempt = 0; attempt < 16; ++attempt) {
        fs::path temporary = target;
        temporary.replace_filename(fs::path(u8".") += target.filename() += "." + std::to_string(random()) + ".tmp");
        bool taken = false;
        if (auto file = PartFile::Handle::create(temporary, target, false, problem, &taken)) {
            return writeInPlaceOf(temporary, std::move(file), bytes, target);
        }
        if (!taken) break;
    }
    return problem;
}

PartFile::PartFile(std::string fileName, std::unique_ptr<Handle> handle)
    : name(std::move(fileName)), handle(std::move(handle))
{
}

PartFile::PartFile(PartFile&& other) noexcept = default;
PartFile::~PartFile() = default;

std::optional<PartFile> PartFile::create(std::string_view fileName, std::string& problem)
{
    const std::string name(fileName);
    auto handle = Handle::create(pathOf(name + std::string(suffix)), writtenPath(name), true, problem);
    if (!handle) return std::nullopt;
    return PartFile(name, std::move(handle));
}

std::string PartFile::append(std::span<const unsigned char> bytes)
{
    if (!handle) return "the file is written already";
    return handle->write(bytes);
}

std::string PartFile::commit()
{
    if (!handle) return "the file is written already";
    std::string problem = handle->syncAndClose();
    handle.reset();
    if (problem.empty()) problem = renameOver(pathOf(name + std::string(suffix)), writtenPath(name));
    return problem;
}
