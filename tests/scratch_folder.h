// SPDX-License-Identifier: MIT
#pragma once
// A new folder of a test's own, removed with everything in it afterwards,
// and a way to run a tool and read what it printed.

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "base/file_bytes.h"

struct ScratchFolder {
    const std::filesystem::path path = create();
    ~ScratchFolder() { std::filesystem::remove_all(path); }

    // Runs a command in `folder` (this one unless told otherwise); its exit
    // code and everything it printed.
    std::pair<int, std::string> run(const std::string& command) const { return runIn(path, command); }
    std::pair<int, std::string> runIn(const std::filesystem::path& folder, const std::string& command) const
    {
#ifdef _WIN32
        // cmd.exe moves to the folder's drive only when told to.
        const std::string enter = "cd /d \"";
#else
        const std::string enter = "cd \"";
#endif
        const std::filesystem::path log = path / "output.log";
        const int status =
            std::system((enter + folder.string() + "\" && " + command + " > \"" + log.string() + "\" 2>&1").c_str());
        const auto output = readFileBytes(log, std::ios::in).value_or(std::vector<unsigned char>{});
        return {exitCode(status), {output.begin(), output.end()}};
    }

private:
    static std::filesystem::path create()
    {
        std::random_device random;
        for (;;) {
            const auto path = std::filesystem::temp_directory_path() / ("quentavox-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(path)) return path;
        }
    }

    // The exit code of a command run by std::system: sh reports a wait
    // status, cmd.exe the code itself.
    static int exitCode(int status)
    {
#ifdef _WIN32
        return status;
#else
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    }
};
