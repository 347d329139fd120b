// SPDX-License-Identifier: MIT
#pragma once
// The real platform: an SDL2 window with a software window surface.

#include <array>
#include <cstdint>
#include <memory>

#include "core/platform.h"
#include "core/stored_window.h"
#include "input/key_codes.h"
#include "platform/window_options.h"

struct SDL_Window;
struct SDL_Surface;
union SDL_Event;

class SdlPlatform final : public Platform {
public:
    explicit SdlPlatform(const WindowOptions& options = {});
    ~SdlPlatform() override;
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

    void Show(FormEvents& form) override;
    void DoEvents(FormEvents& form) override;
    std::int64_t GetTickCount() override;
    void Sleep(std::int64_t milliseconds) override;
    void SetCaption(std::string_view caption) override;
    ClientSize ClientArea() const override;
    void Present(const Surface& picture) override;
    void ReportError(std::string_view message) override;
    void ShowRefusal(std::string_view lines, Refusal shown) override;
    // The scale the window is shown at: the one asked for, or the display's.
    std::int32_t Scale() const { return scale; }

private:
    void deliver(const SDL_Event& event, FormEvents& form);
    void releaseHeldKeys(FormEvents& form);
    SDL_Surface* formImage(SDL_Surface* screen);

    SDL_Window* window = nullptr;
    // Every form pixel is shown as a scale x scale block of window pixels.
    std::int32_t scale = 1;
    // Above scale 1 the form is drawn here, in form pixels, and shown
    // enlarged; at scale 1 it is drawn straight into the window.
    struct FreeSurface {
        void operator()(SDL_Surface* surface) const;
    };
    std::unique_ptr<SDL_Surface, FreeSurface> formPixels;
    // The whole window is repainted (background and the render box's border)
    // after a resize, an expose or a move of the box; otherwise only the box.
    bool repaintAll = true;
    std::int32_t lastLeft = 0;
    std::int32_t lastTop = 0;
    std::array<bool, vk::codeCount> held{};
    std::array<char, 128> caption{};
};
