// SPDX-License-Identifier: MIT
// The least a window that shows frames can cost: an SDL window of the
// program's size that sends its whole surface to the screen, lets its events
// through and sleeps 9 ms, over and over, until it is closed. bench/idle_cpu
// measures the program's idle processor time against this one's.

#include <SDL.h>

#include <cstdio>

#include "core/stored_window.h"

int main(int, char**)
{
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "bare_window: %s\n", SDL_GetError());
        return 1;
    }
    // Drawn in software, as the program is.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_Window* window = SDL_CreateWindow("bare window", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                          storedClientWidth, storedClientHeight, 0);
    if (!window) {
        std::fprintf(stderr, "bare_window: %s\n", SDL_GetError());
        return 1;
    }
    for (Uint32 frame = 0;; ++frame) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_QUIT) {
                SDL_DestroyWindow(window);
                SDL_Quit();
                return 0;
            }
        }
        SDL_Surface* screen = SDL_GetWindowSurface(window);
        if (!screen || SDL_FillRect(screen, nullptr, frame & 0xFF) != 0 || SDL_UpdateWindowSurface(window) != 0) {
            std::fprintf(stderr, "bare_window: %s\n", SDL_GetError());
            return 1;
        }
        SDL_Delay(9);
    }
}
