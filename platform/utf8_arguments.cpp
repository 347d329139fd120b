// SPDX-License-Identifier: MIT
#include "platform/utf8_arguments.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

#include <cstddef>
#include <utility>

std::vector<std::string> utf8Arguments(int argc, char** argv)
{
#ifdef _WIN32
    int count = 0;
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        std::vector<std::string> arguments;
        for (int i = 1; i < count; ++i) {
            const int length = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
            std::string argument(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argument.data(), length, nullptr, nullptr);
            argument.pop_back();  // the terminating zero
            arguments.push_back(std::move(argument));
        }
        LocalFree(wide);
        return arguments;
    }
#endif
    return {argv + (argc > 0 ? 1 : 0), argv + argc};
}
