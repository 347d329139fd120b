// SPDX-License-Identifier: MIT
// Quentavox: a first-person view of a 64 x 64 maze, walked with the keyboard.

#include <cstdlib>
#include <exception>
#include <memory>
#include <string_view>

#include "platform/error_report.h"
#include "core/frmMain.h"
#include "platform/sdl_platform.h"

int main(int argc, char** argv)
{
    // TEMPORARY, for testing the scaled view until the command line parser
    // lands: --scale N and --fullscreen, unchecked. Replace with the parser.
    WindowOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--fullscreen") options.fullscreen = true;
        if (argument == "--scale" && i + 1 < argc) options.scale = std::atoi(argv[++i]);
    }
    std::unique_ptr<SdlPlatform> platform;
    try {
        platform = std::make_unique<SdlPlatform>(options);
        frmMain form(*platform);
        form.Form_Load();
    } catch (const ProgramEnd&) {
        return 0;
    } catch (const std::exception& error) {
        // Every run-time error ends up here, at the top of the event that
        // raised it. Without a window there is nowhere to show a dialog, and
        // one nobody can see would keep the program from ever ending.
        reportToStderr(error.what());
        if (platform) platform->ReportError(error.what());
        return 1;
    }
    return 0;
}
