// SPDX-License-Identifier: MIT
#include "core/sdl_platform.h"

#include <SDL.h>

#include <algorithm>
#include <string>

#include "core/checked.h"
#include "core/error_report.h"
#include "core/sdl_error.h"
#include "core/sdl_keys.h"
#include "core/system_clock.h"
#include "core/window_face.h"
#include "core/window_icon.h"
#include "platform/video_drivers.h"
#include "render/surface.h"

SdlPlatform::SdlPlatform(const WindowOptions&)
{
    // The frame is drawn in software; without this SDL would first open a
    // hidden OpenGL window to try an accelerated path, which costs a tenth of
    // a second at start-up and some 80 MB of driver code.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    leaveOutUnreachableVideoDrivers();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) failWithSdlError("cannot open the window (is there a display?)");
    // Without a display SDL falls back to drawing off screen, where nobody
    // would see the window; that is only wanted when asked for by name.
    const std::string_view driver = SDL_GetCurrentVideoDriver();
    if ((driver == "offscreen" || driver == "dummy") && !SDL_getenv("SDL_VIDEODRIVER")) {
        SDL_Quit();
        const char* display = SDL_getenv("DISPLAY");
        throw RuntimeError(std::string("cannot open the window: no display could be opened (DISPLAY ") +
                           (display ? "is \"" + std::string(display) + "\")" : "is not set)"));
    }
    window = SDL_CreateWindow(appTitle, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, storedClientWidth,
                              storedClientHeight, SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (!window) {
        const std::string error = SDL_GetError();
        SDL_Quit();
        throw RuntimeError("cannot create the window: " + error);
    }
    // Task bars show the icon compiled into the program.
    const std::span<const unsigned char> icon = embedded::window_icon.file;
    SDL_Surface* iconImage =
        SDL_LoadBMP_RW(SDL_RWFromConstMem(icon.data(), checked::toInt32(double(icon.size()), "icon size")), 1);
    if (!iconImage) failWithSdlError("cannot load the window icon");
    SDL_SetWindowIcon(window, iconImage);
    SDL_FreeSurface(iconImage);
}

SdlPlatform::~SdlPlatform()
{
    SDL_DestroyWindow(window);
    SDL_Quit();
}

void SdlPlatform::Show(FormEvents& form)
{
    SDL_ShowWindow(window);
    SDL_RaiseWindow(window);
    repaintAll = true;
    form.Form_Resize();
}

void SdlPlatform::DoEvents(FormEvents& form)
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) deliver(event, form);
}

namespace {

// Every close request is alike: the handler reads neither argument.
void requestClose(FormEvents& form)
{
    std::int16_t cancel = 0;
    std::int16_t unloadMode = 0;
    form.Form_QueryUnload(cancel, unloadMode);
}

}  // namespace

void SdlPlatform::deliver(const SDL_Event& event, FormEvents& form)
{
    switch (event.type) {
    case SDL_QUIT:
        requestClose(form);
        break;
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            requestClose(form);
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            repaintAll = true;
            form.Form_Resize();
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            repaintAll = true;
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            releaseHeldKeys(form);
            break;
        default:
            break;
        }
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (const auto code = virtualKeyCode(event.key.keysym)) {
            std::int16_t keyCode = *code;
            std::int16_t shift = shiftMask(event.key.keysym.mod);
            const bool down = event.type == SDL_KEYDOWN;
            held[checked::index(keyCode, held.size(), "key code")] = down;
            if (down) {
                form.picRender_KeyDown(keyCode, shift);
            } else {
                form.picRender_KeyUp(keyCode, shift);
            }
        }
        break;
    default:
        break;
    }
}

// A key released while another window has the focus never reaches us, so
// every key still held is released when the focus goes.
void SdlPlatform::releaseHeldKeys(FormEvents& form)
{
    for (std::size_t code = 0; code < held.size(); ++code) {
        if (!held[code]) continue;
        held[code] = false;
        std::int16_t keyCode = static_cast<std::int16_t>(code);
        std::int16_t shift = 0;
        form.picRender_KeyUp(keyCode, shift);
    }
}

// The dialog has no parent window: over its parent it would be placed on
// that window's middle, which for a window larger than the screen lies out
// of sight. On its own it is centred on the screen and opens on top.
void SdlPlatform::ReportError(std::string_view message)
{
    const std::string line = reportLine(message);
    endAtOnceOnSignal();
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, appTitle, line.c_str(), nullptr);
}

std::int64_t SdlPlatform::GetTickCount() { return millisecondsSinceBoot(); }

void SdlPlatform::Sleep(std::int64_t milliseconds)
{
    SDL_Delay(static_cast<Uint32>(std::clamp<std::int64_t>(milliseconds, 0, 1000)));
}

void SdlPlatform::SetCaption(std::string_view text)
{
    const std::size_t length = std::min(text.size(), caption.size() - 1);
    std::copy_n(text.begin(), length, caption.begin());
    caption[length] = '\0';
    SDL_SetWindowTitle(window, caption.data());
}

ClientSize SdlPlatform::ClientArea() const
{
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window, &width, &height);
    return {static_cast<float>(width), static_cast<float>(height)};
}

void SdlPlatform::Present(const Surface& picture)
{
    SDL_Surface* screen = SDL_GetWindowSurface(window);
    if (!screen) failWithSdlError("cannot draw into the window");

    const std::int32_t border = picture.BorderWidth();
    const SDL_Rect box{checked::toInt32(picture.Left, "picRender.Left"),
                       checked::toInt32(picture.Top, "picRender.Top"),
                       picture.image()->w + 2 * border, picture.image()->h + 2 * border};
    if (box.x != lastLeft || box.y != lastTop) repaintAll = true;
    if (repaintAll) paintWindowFace(screen, box, border);

    SDL_Rect inside{box.x + border, box.y + border, picture.image()->w, picture.image()->h};
    if (SDL_BlitSurface(picture.image(), nullptr, screen, &inside) != 0) {
        failWithSdlError("cannot show the frame");
    }

    const SDL_Rect whole{0, 0, screen->w, screen->h};
    SDL_Rect shown{};
    if (repaintAll) {
        shown = whole;
    } else if (!SDL_IntersectRect(&inside, &whole, &shown)) {
        return;
    }
    if (SDL_UpdateWindowSurfaceRects(window, &shown, 1) != 0) failWithSdlError("cannot show the frame");
    repaintAll = false;
    lastLeft = box.x;
    lastTop = box.y;
}
