// SPDX-License-Identifier: MIT
// Quentavox: a first-person view of a 64 x 64 maze, walked with the keyboard.

#include <csignal>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "assets/level_picture.h"
#include "platform/error_report.h"
#include "core/frmMain.h"
#include "platform/sdl_platform.h"
#include "platform/command_line.h"
#include "platform/user_text.h"
#include "platform/utf8_arguments.h"
#include "platform/walk_options.h"

int main(int argc, char** argv)
{
#ifdef SIGXFSZ
    // A limit on the size of files makes a write that passes it fail, which
    // the program reports, instead of killing it with the user's work.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    const std::vector<std::string> given = utf8Arguments(argc, argv);
    const std::vector<std::string_view> arguments(given.begin(), given.end());
    const CommandLine command = readCommandLine(arguments);
    switch (command.action) {
    case CommandLine::Action::Run:
        break;
    case CommandLine::Action::Help:
        showUserText(usage(), UserStream::Output);
        return 0;
    case CommandLine::Action::Version:
        showUserText(versionLine(), UserStream::Output);
        return 0;
    case CommandLine::Action::Refuse:
        showUserText(command.problem + "\n" + std::string(usage()), UserStream::Error);
        return 2;
    }
    if (!command.timedemo.empty()) return runTimedemoCommand(command.timedemo);
    auto walks = prepareWalks(command);
    if (const auto* refusal = std::get_if<std::string>(&walks)) {
        showUserText(*refusal + "\n", UserStream::Error);
        return 2;
    }

    // A watched level's first look is taken before the level is read, so a
    // save made while the window opens is played as soon as it is open.
    std::optional<LevelWatch> watch;
    if (command.watchLevel) watch.emplace(command.level);
    // A level of the player's own is checked before any window opens; a
    // refused one is a mistake in the command, answered like one.
    std::optional<LevelPicture> level;
    if (!command.level.empty()) {
        level = readLevelPicture(command.level);
        if (!level->picture) {
            showUserText(level->lines, UserStream::Error);
            return 2;
        }
    }
    // So is a level to edit: one that is no picture of a level is refused as
    // for play; the mends of one that breaks a rule are printed.
    std::optional<LevelToEdit> edited;
    if (!command.edit.empty()) {
        edited = readLevelToEdit(command.edit);
        if (!edited->lines.empty()) showUserText(edited->lines, UserStream::Error);
        if (!edited->level) return 2;
    }
    std::unique_ptr<SdlPlatform> platform;
    try {
        platform = std::make_unique<SdlPlatform>(command.window, command.keys);
        frmMain form(*platform);
        if (level) form.OpenLevel(std::move(*level), Platform::Refusal::InDialog);
        form.levelWatch = std::move(watch);
        if (edited) {
            form.EditLevel(command.edit, *edited);
        } else if (command.map) {
            form.ShowMapPanel();
        }
        startWalks(form, std::move(std::get<WalkStart>(walks)), command);
        form.Form_Load();
    } catch (const ProgramEnd&) {
        return 0;
    } catch (const std::exception& error) {
        // Every run-time error ends up here, at the top of the event that
        // raised it. Without a window there is nowhere to show a dialog, and
        // one nobody can see would keep the program from ever ending: the
        // line goes where the usage would go, which on Windows, started
        // from neither a console nor a script, is a message box.
        if (!platform) {
            showUserText(reportLine(error.what()) + "\n", UserStream::Error);
            return 1;
        }
        reportToStderr(error.what());
        platform->ReportError(error.what());
        return 1;
    }
    return 0;
}
