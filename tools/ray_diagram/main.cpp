// SPDX-License-Identifier: MIT
// ray_diagram: the level from above with every ray of one frame, next to the
// frame itself, all worked out by the program's own code. `ray_diagram --help`
// tells how to use it.

#include <exception>
#include <iostream>
#include <string_view>
#include <vector>

#include "tools/ray_diagram/diagram.h"
#include "tools/ray_diagram/input_error.h"
#include "tools/ray_diagram/options.h"
#include "tools/ray_diagram/png_file.h"
#include "tools/ray_diagram/scene.h"
#include "tools/ray_diagram/window_picture.h"

int main(int argc, char** argv)
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    try {
        const Options options = parseOptions(arguments);
        if (options.help) {
            std::cout << usage;
            return 0;
        }
        Scene scene(options.level, options.pictures);
        scene.place(options.x, options.y, options.heading);
        savePng(options.window ? drawWindow(scene.window()) : drawDiagram(scene, options), options.output);
    } catch (const InputError& error) {
        std::cerr << "ray_diagram: " << error.what() << '\n';
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "ray_diagram: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
