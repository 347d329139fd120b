// SPDX-License-Identifier: MIT
// The program as main() runs it, with a game controller that the test plays:
// SDL's virtual joysticks exist only inside the process that attaches them.
//
//   virtual_pad COMMANDS [OPTION...]
//
// runs the real platform and frmMain with the options of the command line,
// and once a pass, before the window's events, carries out the lines that
// have been appended to the file COMMANDS meanwhile:
//   plug                 attaches a virtual game controller; "plugged" is
//                        printed once the program has opened it
//   unplug               detaches it
//   axis NAME VALUE      moves an axis, named as SDL names them (lefty ...)
//   button NAME 0|1      releases or presses a button (dpup, leftshoulder ...)

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/frmMain.h"
#include "platform/command_line.h"
#include "platform/sdl_platform.h"

namespace {

// The real platform, which before each delivery of events plays the
// commands that have arrived on the virtual controller.
class PadScriptPlatform final : public SdlPlatform {
public:
    PadScriptPlatform(const CommandLine& command, const char* commands)
        : SdlPlatform(command.window, command.keys), commands(commands)
    {
    }

    void DoEvents(FormEvents& form) override
    {
        runArrivedCommands();
        SdlPlatform::DoEvents(form);
        if (pad && !announced && SDL_GameControllerFromInstanceID(SDL_JoystickInstanceID(pad))) {
            std::printf("plugged\n");
            std::fflush(stdout);
            announced = true;
        }
    }

private:
    void runArrivedCommands()
    {
        // At its end the file has nothing more for now; what is appended
        // later is read from there.
        char bytes[256];
        while (commands.read(bytes, sizeof bytes) || commands.gcount() > 0) {
            pending.append(bytes, static_cast<std::size_t>(commands.gcount()));
        }
        commands.clear();
        for (std::size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1)) {
            run(pending.substr(0, end));
        }
    }

    void run(const std::string& line)
    {
        std::istringstream words(line);
        std::string command, name;
        int value = 0;
        words >> command >> name >> value;
        if (command == "plug") {
            SDL_VirtualJoystickDesc description{};
            description.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
            description.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
            description.naxes = SDL_CONTROLLER_AXIS_MAX;
            description.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
            device = SDL_JoystickAttachVirtualEx(&description);
            pad = device < 0 ? nullptr : SDL_JoystickOpen(device);
            if (!pad) fail(line);
            announced = false;
        } else if (command == "unplug" && pad) {
            SDL_JoystickClose(pad);
            pad = nullptr;
            if (SDL_JoystickDetachVirtual(device) != 0) fail(line);
        } else if (command == "axis" && pad) {
            const SDL_GameControllerAxis axis = SDL_GameControllerGetAxisFromString(name.c_str());
            if (axis == SDL_CONTROLLER_AXIS_INVALID || SDL_JoystickSetVirtualAxis(pad, axis, Sint16(value)) != 0) fail(line);
        } else if (command == "button" && pad) {
            const SDL_GameControllerButton button = SDL_GameControllerGetButtonFromString(name.c_str());
            if (button == SDL_CONTROLLER_BUTTON_INVALID || SDL_JoystickSetVirtualButton(pad, button, Uint8(value)) != 0) {
                fail(line);
            }
        } else {
            fail(line);
        }
    }

    [[noreturn]] static void fail(const std::string& line)
    {
        std::fprintf(stderr, "virtual_pad: cannot do '%s': %s\n", line.c_str(), SDL_GetError());
        std::exit(3);
    }

    std::ifstream commands;
    std::string pending;
    int device = -1;
    SDL_Joystick* pad = nullptr;
    bool announced = false;
};

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string_view> arguments(argv + std::min(argc, 2), argv + argc);
    const CommandLine command = readCommandLine(arguments);
    if (argc < 2 || command.action != CommandLine::Action::Run) {
        std::fprintf(stderr, "usage: virtual_pad COMMANDS [OPTION...]\n");
        return 2;
    }
    try {
        PadScriptPlatform platform(command, argv[1]);
        frmMain form(platform);
        form.Form_Load();
    } catch (const ProgramEnd&) {
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "virtual_pad: %s\n", error.what());
        return 1;
    }
    return 0;
}
