// Quentavox: a first-person view of a 64 x 64 maze, walked with the keyboard.

#include <exception>

#include "core/error_report.h"
#include "core/frmMain.h"
#include "core/sdl_platform.h"

int main()
{
    try {
        SdlPlatform platform;
        frmMain form(platform);
        form.Form_Load();
    } catch (const ProgramEnd&) {
        return 0;
    } catch (const std::exception& error) {
        reportRuntimeError(error.what());
        return 1;
    }
    return 0;
}
