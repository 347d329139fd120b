// SPDX-License-Identifier: MIT
#include "platform/sdl_platform.h"

#include <SDL.h>

#include <algorithm>
#include <iostream>
#include <memory>
#include <string>

#include "base/checked.h"
#include "core/panel_keys.h"
#include "gfx/client_area.h"
#include "gfx/sdl_error.h"
#include "gfx/surface.h"
#include "gfx/upscale.h"
#include "gfx/window_face.h"
#include "platform/error_report.h"
#include "platform/sdl_keys.h"
#include "platform/system_clock.h"
#include "platform/user_text.h"
#include "platform/video_drivers.h"
#include "platform/view_scale.h"
#include "platform/window_host.h"
#include "platform/window_icon.h"

namespace {

void refuseUnknownScale(const WindowOptions& options)
{
    if (options.scale != 0 && !isScale(options.scale)) {
        throw RuntimeError("cannot show the window at scale " + std::to_string(options.scale) +
                           ": the scale is a whole number from " + std::to_string(smallestScale) + " to " +
                           std::to_string(largestScale));
    }
}

void giveHints()
{
    // The frame is drawn in software; without this SDL would first open a
    // hidden OpenGL window to try an accelerated path, which costs a tenth of
    // a second at start-up and some 80 MB of driver code.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // Windows enlarges the window of a program that does not handle the
    // display's dpi itself, smoothly; this one shows it at a whole scale.
    SDL_SetHint(SDL_HINT_WINDOWS_DPI_AWARENESS, "system");
    // In a browser, keys reach the game only while its canvas has the focus,
    // not wherever on the page they are typed.
    SDL_SetHint(SDL_HINT_EMSCRIPTEN_KEYBOARD_ELEMENT, "#canvas");
    // The browser gets control back only where the main loop waits for the
    // next pass, not also from inside SDL while a frame is shown; the web
    // build readies only that path to be paused and resumed.
    SDL_SetHint(SDL_HINT_EMSCRIPTEN_ASYNCIFY, "0");
    // Closing the window is the close request alone, which the form may
    // cancel; SDL_QUIT then comes only from a signal to end.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    leaveOutUnreachableVideoDrivers();
}

// Without a display SDL falls back to drawing off screen, where nobody would
// see the window; that is only wanted when asked for by name.
void refuseDrawingOffScreen()
{
    const std::string_view driver = SDL_GetCurrentVideoDriver();
    if ((driver == "offscreen" || driver == "dummy") && !SDL_getenv("SDL_VIDEODRIVER")) {
        const char* display = SDL_getenv("DISPLAY");
        throw RuntimeError(std::string("cannot open the window: no display could be opened (DISPLAY ") +
                           (display ? "is \"" + std::string(display) + "\")" : "is not set)"));
    }
}

// The first display's size, in full screen, where the window covers it.
// A window placed by the system opens on that display too.
SDL_Rect displaySize()
{
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) failWithSdlError("cannot read the display's size");
    return {0, 0, desktop.w, desktop.h};
}

// The scale asked for; otherwise, in full screen the largest at which the
// render box fits the display, and in a window the host's own.
std::int32_t chooseScale(const WindowOptions& options, const SDL_Rect& display)
{
    if (options.scale != 0) return options.scale;
    if (options.fullscreen) return scaleToFit(display.w, display.h, storedRenderBoxWidth, storedRenderBoxHeight);
    return host::defaultScale();
}

// Task bars show the icon compiled into the program.
void showIcon(SDL_Window* window)
{
    const std::span<const unsigned char> icon = embedded::window_icon[0].file;
    const SdlSurfacePtr image(
        SDL_LoadBMP_RW(SDL_RWFromConstMem(icon.data(), checked::toInt32(double(icon.size()), "icon size")), 1));
    if (!image) failWithSdlError("cannot load the window icon");
    SDL_SetWindowIcon(window, image.get());
}

}  // namespace

SdlPlatform::SdlVideo::SdlVideo()
{
    if (SDL_Init(SDL_INIT_VIDEO) != 0) failWithSdlError("cannot open the window (is there a display?)");
}

SdlPlatform::SdlVideo::~SdlVideo() { SDL_Quit(); }

void SdlPlatform::DestroyWindow::operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }

SdlPlatform::SdlPlatform(const WindowOptions& options, const KeyBindings& keys)
    : mouseAsked(options.mouse), controls(keys)
{
    refuseUnknownScale(options);
    giveHints();
    video.emplace();
    refuseDrawingOffScreen();
    display = options.fullscreen ? displaySize() : SDL_Rect{};
    fullscreen = options.fullscreen;
    askedScale = options.scale;
    scale = chooseScale(options, display);
    // A full-screen window is made the display's size from the start: the
    // window manager would resize it, but not every desktop has one.
    const int width = options.fullscreen ? display.w : storedClientWidth * scale;
    const int height = options.fullscreen ? display.h : storedClientHeight * scale;
    const Uint32 fullscreen = options.fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0;
    window.reset(SDL_CreateWindow(appTitle, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width, height,
                                  SDL_WINDOW_HIDDEN | host::windowFlags() | fullscreen));
    if (!window) failWithSdlError("cannot create the window");
    showIcon(window.get());
    pads.emplace();
}

SdlPlatform::~SdlPlatform() = default;

void SdlPlatform::Show(FormEvents& form)
{
    SDL_ShowWindow(window.get());
    SDL_RaiseWindow(window.get());
    repaintAll = true;
    form.Form_Resize();
}

void SdlPlatform::DoEvents(FormEvents& form)
{
    host::beforeEvents(form);
    pointer.allow(host::mouseTurns(mouseAsked));
    SDL_Event event;
    while (SDL_PollEvent(&event)) deliver(event, form);
}

namespace {

// The window closed by the user, or the program asked to end by a signal;
// a form that cancels the request goes on.
void requestClose(FormEvents& form, std::int16_t unloadMode)
{
    std::int16_t cancel = 0;
    form.Form_QueryUnload(cancel, unloadMode);
}

// Shift and Ctrl as the form's handlers have them.
std::int16_t shiftState(Uint16 modifiers)
{
    return static_cast<std::int16_t>(((modifiers & KMOD_SHIFT) != 0 ? vbShiftMask : 0) |
                                     ((modifiers & KMOD_CTRL) != 0 ? vbCtrlMask : 0) |
                                     ((modifiers & KMOD_ALT) != 0 ? vbAltMask : 0));
}

std::int16_t buttonMask(Uint32 buttons)
{
    return static_cast<std::int16_t>(((buttons & SDL_BUTTON_LMASK) != 0 ? vbLeftButton : 0) |
                                     ((buttons & SDL_BUTTON_RMASK) != 0 ? vbRightButton : 0) |
                                     ((buttons & SDL_BUTTON_MMASK) != 0 ? vbMiddleButton : 0));
}

// The held keys reach the render surface's handlers. The handlers ignore the
// shift state, so none is worked out.
class FormKeys final : public KeyEvents {
public:
    explicit FormKeys(FormEvents& form) : form(form) {}

    void keyDown(vk::Code code) override
    {
        std::int16_t shift = 0;
        form.picRender_KeyDown(code, shift);
    }
    void keyUp(vk::Code code) override
    {
        std::int16_t shift = 0;
        form.picRender_KeyUp(code, shift);
    }

private:
    FormEvents& form;
};

}  // namespace

void SdlPlatform::deliver(const SDL_Event& event, FormEvents& form)
{
    FormKeys keys(form);
    if (pads && pads->deliver(event, controls, keys)) return;
    if (pointer.deliver(event, viewBox, scale, form)) return;
    switch (event.type) {
    case SDL_QUIT:
        requestClose(form, vbAppTaskManager);
        break;
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            requestClose(form, vbFormControlMenu);
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            repaintAll = true;
            form.Form_Resize();
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            repaintAll = true;
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            // A key released while another window has the focus never
            // reaches us, so every key still held is let go now.
            controls.releaseKeys(keys);
            break;
        default:
            break;
        }
        break;
    case SDL_KEYDOWN:
        if (const auto code = virtualKeyCode(event.key.keysym)) {
            // The map's keys never reach the held keys; their release may,
            // which lets go of nothing.
            if (panelKeys && isPanelKey(*code, (event.key.keysym.mod & KMOD_CTRL) != 0)) {
                std::int16_t key = *code;
                std::int16_t shift = shiftState(event.key.keysym.mod);
                form.picMap_KeyDown(key, shift);
            } else {
                controls.keyDown(*code, keys);
            }
        }
        break;
    case SDL_KEYUP:
        if (const auto code = virtualKeyCode(event.key.keysym)) controls.keyUp(*code, keys);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_MOUSEMOTION:
        deliverPanelMouse(event, form);
        break;
    case SDL_DROPFILE: {
        // SDL hands over the name, which is ours to free.
        const std::unique_ptr<char, decltype(&SDL_free)> fileName(event.drop.file, SDL_free);
        if (fileName) form.Form_OLEDragDrop(fileName.get());
        break;
    }
    default:
        break;
    }
}

void SdlPlatform::deliverPanelMouse(const SDL_Event& event, FormEvents& form)
{
    // The view may hold the pointer for itself (relative mode).
    if (!panel || SDL_GetRelativeMouseMode()) return;
    const bool moved = event.type == SDL_MOUSEMOTION;
    const float x = float(moved ? event.motion.x : event.button.x) / float(scale);
    const float y = float(moved ? event.motion.y : event.button.y) / float(scale);
    std::int16_t shift = shiftState(SDL_GetModState());
    std::int16_t buttons = buttonMask(moved ? event.motion.state : SDL_BUTTON(event.button.button));
    const SDL_Rect box = boxPlace(*panel).outer;
    const SDL_Point point{static_cast<int>(x), static_cast<int>(y)};
    if (moved) {
        form.picMap_MouseMove(buttons, shift, x, y);
    } else if (event.type == SDL_MOUSEBUTTONDOWN && SDL_PointInRect(&point, &box)) {
        draggingOnPanel = true;
        form.picMap_MouseDown(buttons, shift, x, y);
    } else if (event.type == SDL_MOUSEBUTTONUP && draggingOnPanel) {
        draggingOnPanel = (SDL_GetMouseState(nullptr, nullptr) & ~SDL_BUTTON(event.button.button)) != 0;
        form.picMap_MouseUp(buttons, shift, x, y);
    }
}

void SdlPlatform::ShowPanel(const Surface* shown, ClientSize wanted)
{
    panel = shown;
    panelKeys = true;
    repaintAll = true;
    const int width = checked::toInt32(wanted.ScaleWidth, "client width");
    const int height = checked::toInt32(wanted.ScaleHeight, "client height");
    if (!fullscreen) {
        SDL_SetWindowSize(window.get(), width * scale, height * scale);
    } else if (askedScale == 0) {
        // Both boxes at the largest scale at which they fit, or the view's.
        scale = panel ? scaleToFit(display.w, display.h, width, height)
                      : scaleToFit(display.w, display.h, storedRenderBoxWidth, storedRenderBoxHeight);
    }
}

Platform::SaveAnswer SdlPlatform::AskToSave(std::string_view question)
{
    static constexpr const char* buttons[] = {"Save", "Discard", "Cancel"};
    return static_cast<SaveAnswer>(host::askInMessageBox(std::string(question), buttons));
}

std::string SdlPlatform::SaveFile(const std::string& fileName, std::span<const unsigned char> bytes)
{
    return host::saveFile(fileName, bytes);
}

void SdlPlatform::ReportError(std::string_view message)
{
    const std::string line = reportLine(message);
    endAtOnceOnSignal();
    host::showMessageBox(SDL_MESSAGEBOX_ERROR, line);
}

// While the box is open the game stands still; closing it lets the next pass
// run. Lines for stderr alone go where a refused command line's would: on
// Windows with no console to print in, into a message box after all, as
// nothing else would show them.
void SdlPlatform::ShowRefusal(std::string_view lines, Refusal shown)
{
    if (shown == Refusal::OnStderr) {
        showUserText(lines, UserStream::Error);
        return;
    }
    std::cerr << lines << std::flush;
    host::showMessageBox(SDL_MESSAGEBOX_WARNING, std::string(lines));
}

std::int64_t SdlPlatform::GetTickCount() { return millisecondsSinceBoot(); }

void SdlPlatform::WaitUntilTick(std::int64_t tick) { timer.waitForReading(tick); }

void SdlPlatform::SetCaption(std::string_view text)
{
    const std::size_t length = std::min(text.size(), caption.size() - 1);
    std::copy_n(text.begin(), length, caption.begin());
    caption[length] = '\0';
    SDL_SetWindowTitle(window.get(), caption.data());
}

ClientSize SdlPlatform::ClientArea() const
{
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window.get(), &width, &height);
    // In whole form pixels: a strip narrower than a block belongs to none.
    return {static_cast<float>(width / scale), static_cast<float>(height / scale)};
}

// What the form is drawn on, in form pixels: the window's own surface at
// scale 1; above it a surface of the window's size divided by the scale,
// made again, and then painted whole, when that size changes.
SDL_Surface* SdlPlatform::formImage(SDL_Surface* screen)
{
    if (scale == 1) return screen;
    const int width = std::max(screen->w / scale, 1);
    const int height = std::max(screen->h / scale, 1);
    if (!formPixels || formPixels->w != width || formPixels->h != height) {
        formPixels.reset(SDL_CreateRGBSurfaceWithFormat(0, width, height, screen->format->BitsPerPixel,
                                                        screen->format->format));
        if (!formPixels) failWithSdlError("cannot create the window's image");
        repaintAll = true;
    }
    return formPixels.get();
}

void SdlPlatform::Present(const Surface& picture)
{
    // Nobody sees a minimised or hidden window: the frame has been drawn and
    // counted, and that is all. The whole window is painted once it shows.
    if ((SDL_GetWindowFlags(window.get()) & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN)) != 0) {
        repaintAll = true;
        return;
    }
    SDL_Surface* screen = SDL_GetWindowSurface(window.get());
    if (!screen) failWithSdlError("cannot draw into the window");
    SDL_Surface* formSurface = formImage(screen);

    const bool isPanel = &picture == panel;
    if (!isPanel) view = &picture;
    const auto [box, inside] = boxPlace(picture);
    if (!isPanel) viewBox = inside;
    if (!isPanel && (box.x != lastLeft || box.y != lastTop)) repaintAll = true;
    // While nobody touches a key the view is the same frame, pass after
    // pass; sending the window what it shows already would take most of
    // the time an idle pass costs.
    if (!repaintAll && clientAreaShows(formSurface, picture)) return;
    composeClientArea(formSurface, picture, repaintAll, isPanel ? view : panel);

    const SDL_Rect whole{0, 0, formSurface->w, formSurface->h};
    SDL_Rect shown{};
    if (repaintAll) {
        shown = whole;
    } else if (!SDL_IntersectRect(&inside, &whole, &shown)) {
        return;
    }
    if (scale > 1) {
        // Border 0 paints the face alone: it stays in the strip right of and
        // below the last whole block, which the enlarged form does not cover.
        if (repaintAll) paintWindowFace(screen, SDL_Rect{}, 0);
        upscale(*formSurface, shown, *screen, scale);
        shown = repaintAll ? SDL_Rect{0, 0, screen->w, screen->h}
                           : SDL_Rect{shown.x * scale, shown.y * scale, shown.w * scale, shown.h * scale};
    }
    if (SDL_UpdateWindowSurfaceRects(window.get(), &shown, 1) != 0) failWithSdlError("cannot show the frame");
    repaintAll = false;
    if (isPanel) return;
    lastLeft = box.x;
    lastTop = box.y;
}
