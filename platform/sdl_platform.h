// SPDX-License-Identifier: MIT
#pragma once
// The real platform: an SDL2 window with a software window surface.

#include <SDL_rect.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "core/platform.h"
#include "core/stored_window.h"
#include "gfx/sdl_surface_ptr.h"
#include "input/controls.h"
#include "platform/game_controllers.h"
#include "platform/fine_timer.h"
#include "platform/pointer_capture.h"
#include "platform/window_options.h"

struct SDL_Window;
struct SDL_Surface;
union SDL_Event;

// Not final: a measuring tool watches its clock and captions.
class SdlPlatform : public Platform {
public:
    explicit SdlPlatform(const WindowOptions& options = {}, const KeyBindings& keys = KeyBindings::arrows());
    ~SdlPlatform() override;
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

    void Show(FormEvents& form) override;
    void DoEvents(FormEvents& form) override;
    std::int64_t GetTickCount() override;
    void WaitUntilTick(std::int64_t tick) override;
    void SetCaption(std::string_view caption) override;
    ClientSize ClientArea() const override;
    void Present(const Surface& picture) override;
    void ReportError(std::string_view message) override;
    void ShowRefusal(std::string_view lines, Refusal shown) override;
    void ShowPanel(const Surface* panel, ClientSize wanted) override;
    SaveAnswer AskToSave(std::string_view question) override;
    std::string SaveFile(const std::string& fileName, std::span<const unsigned char> bytes) override;
    // The scale the window is shown at: the one asked for, or the display's.
    std::int32_t Scale() const { return scale; }

private:
    void deliver(const SDL_Event& event, FormEvents& form);
    // The mouse over the map panel, or dragged from it, to its handlers.
    void deliverPanelMouse(const SDL_Event& event, FormEvents& form);
    SDL_Surface* formImage(SDL_Surface* screen);

    // SDL's video, quit once everything made with it has gone: the members
    // below are released first, whether the platform ends or its
    // constructor fails.
    struct SdlVideo {
        SdlVideo();
        ~SdlVideo();
        SdlVideo(const SdlVideo&) = delete;
        SdlVideo& operator=(const SdlVideo&) = delete;
    };
    struct DestroyWindow {
        void operator()(SDL_Window* window) const;
    };

    FineTimer timer;
    std::optional<SdlVideo> video;
    std::unique_ptr<SDL_Window, DestroyWindow> window;
    // Every form pixel is shown as a scale x scale block of window pixels.
    std::int32_t scale = 1;
    // Above scale 1 the form is drawn here, in form pixels, and shown
    // enlarged; at scale 1 it is drawn straight into the window.
    SdlSurfacePtr formPixels;
    // The whole window is repainted (background and the render box's border)
    // after a resize, an expose or a move of the box; otherwise only the box.
    bool repaintAll = true;
    std::int32_t lastLeft = 0;
    std::int32_t lastTop = 0;
    // With --mouse, or the page's "Mouse", a click into the view (as the
    // last frame placed it) captures the pointer to turn the player.
    bool mouseAsked = false;
    PointerCapture pointer;
    SDL_Rect viewBox{};
    // The map panel shown beside the render box, and the render box last
    // shown: each is painted with the face when the other is shown.
    const Surface* panel = nullptr;
    const Surface* view = nullptr;
    // Once a panel has been given, its keys are its own, shown or hidden.
    bool panelKeys = false;
    // A button went down on the panel and is held.
    bool draggingOnPanel = false;
    // In full screen, the display and the scale asked for (0 for none),
    // for fitting the client area when the panel comes and goes.
    SDL_Rect display{};
    std::int32_t askedScale = 0;
    bool fullscreen = false;
    // The keyboard and the game controllers, as the keys the form sees held.
    Controls controls;
    std::optional<GameControllers> pads;
    std::array<char, 128> caption{};
};
