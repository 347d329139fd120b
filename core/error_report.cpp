#include "core/error_report.h"

#include <SDL.h>

#include <iostream>
#include <string>

void reportRuntimeError(std::string_view message)
{
    const std::string line = "Quentavox: run-time error: " + std::string(message);
    std::cerr << line << std::endl;
    // Fails quietly where there is no display; stderr already has the line.
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Quentavox", line.c_str(), nullptr);
}
