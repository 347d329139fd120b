// SPDX-License-Identifier: MIT
#include "platform/user_text.h"

#include <cstdio>

#ifdef _WIN32
#include <SDL.h>
#include <windows.h>

#include <string>

#include "core/stored_window.h"

namespace {

// Where the text can go: the handle the program was given (a file or pipe,
// or a console), else the console of the program that started it.
HANDLE destination(UserStream stream)
{
    const DWORD which = stream == UserStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
    const HANDLE given = GetStdHandle(which);
    if (given != nullptr && given != INVALID_HANDLE_VALUE && GetFileType(given) != FILE_TYPE_UNKNOWN) return given;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return nullptr;
    const HANDLE console = CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, 0, nullptr);
    return console == INVALID_HANDLE_VALUE ? nullptr : console;
}

}  // namespace

void showUserText(std::string_view text, UserStream stream)
{
    if (const HANDLE handle = destination(stream)) {
        DWORD written = 0;
        if (WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr)) return;
    }
    const std::string shown(text);
    SDL_ShowSimpleMessageBox(stream == UserStream::Output ? SDL_MESSAGEBOX_INFORMATION : SDL_MESSAGEBOX_ERROR,
                             appTitle, shown.c_str(), nullptr);
}

#else

void showUserText(std::string_view text, UserStream stream)
{
    std::FILE* file = stream == UserStream::Output ? stdout : stderr;
    std::fwrite(text.data(), 1, text.size(), file);
    std::fflush(file);
}

#endif
