// SPDX-License-Identifier: MIT
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>

#include "tests/pixels.h"
#include "tests/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

// The fixture level, textures and backdrop, so that repainting assets/
// changes nothing here. Commands run in the source folder, and the diagram
// names the level as given.
const std::string onFixtures =
    std::string(RAY_DIAGRAM) + " --level tests/fixtures/map.bmp --pictures tests/fixtures";

struct FreeSurface {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, FreeSurface>;

// PNG files are compared by their pixels, which do not depend on how the
// library of the day compresses them.
SurfacePtr decoded(const fs::path& png)
{
    SurfacePtr loaded(IMG_Load(png.c_str()));
    if (!loaded) return nullptr;
    return SurfacePtr(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_XRGB8888, 0));
}

// The picture's pixels, as the program's own comparisons read them.
DeviceContext pixelsOf(const SDL_Surface* picture)
{
    return {static_cast<std::uint32_t*>(picture->pixels), picture->w, picture->h, picture->pitch / 4};
}

// The corner where both walks end together, the clipped ray slipping past
// the pillar and the zoomed level, pixel for pixel. After a deliberate
// change, QUENTAVOX_UPDATE_GOLDEN=1 rewrites the stored picture if it
// differs; the test still fails, naming it, so the variable left set by
// mistake never hides a fault.
TEST(RayDiagram, DrawsTheFixtureLevelAsStored)
{
    const ScratchFolder scratch;
    const fs::path golden = fs::path(QUENTAVOX_SOURCE_DIR) / "tests/golden/ray_diagram.png";
    const fs::path written = scratch.path / "diagram.png";
    const auto [status, output] =
        scratch.runIn(QUENTAVOX_SOURCE_DIR, onFixtures + " --at 2.5,4.5 --heading 44 --mark 0,165,315 --zoom 4 '" + written.string() + "'");
    ASSERT_EQ(status, 0) << output;

    const SurfacePtr expected = decoded(golden);
    const SurfacePtr actual = decoded(written);
    ASSERT_TRUE(actual) << IMG_GetError();
    std::string fault;
    if (!expected) {
        fault = "cannot read " + golden.string();
    } else if (expected->w != actual->w || expected->h != actual->h) {
        fault = std::to_string(actual->w) + " x " + std::to_string(actual->h) + ", stored " +
                std::to_string(expected->w) + " x " + std::to_string(expected->h);
    } else if (const long differing = differingPixels(pixelsOf(expected.get()), pixelsOf(actual.get())); differing > 0) {
        fault = std::to_string(differing) + " pixels differ";
    }
    if (fault.empty()) return;
    if (std::getenv("QUENTAVOX_UPDATE_GOLDEN")) {
        fs::copy_file(written, golden, fs::copy_options::overwrite_existing);
        ADD_FAILURE() << fault << "; rewrote " << golden << " as QUENTAVOX_UPDATE_GOLDEN is set";
    } else {
        fs::copy_file(written, "ray_diagram.actual.png", fs::copy_options::overwrite_existing);
        ADD_FAILURE() << fault << "; see ray_diagram.actual.png";
    }
}

// Each refusal is one line that names what it refuses: the option, the
// value, the cell or the file; the wording around it is free.
TEST(RayDiagram, RefusesWhatItCannotUseWithOneLineAndStatusTwo)
{
    const ScratchFolder scratch;
    const std::string out = " '" + (scratch.path / "out.png").string() + "'";
    const std::pair<std::string, std::string> cases[] = {
        {onFixtures, "output"},
        {onFixtures + " --colour red" + out, "--colour"},
        {onFixtures + " --heading 1.5" + out, "1.5"},
        {onFixtures + " --at 2.5" + out, "2.5"},
        {onFixtures + " --zoom 3" + out, "--zoom"},
        {onFixtures + " --mark 316" + out, "316"},
        {onFixtures + " --at 3.5,2.5" + out, "(3, 2)"},
        {onFixtures + " --at 70,2" + out, "(70, 2)"},
        {onFixtures + " --at 2.5,-0.5" + out, "(2.5, -0.5)"},
        {onFixtures + " '" + (scratch.path / "no/such/folder.png").string() + "'", "no/such/folder.png"},
    };
    for (const auto& [command, message] : cases) {
        const auto [status, output] = scratch.runIn(QUENTAVOX_SOURCE_DIR, command);
        EXPECT_EQ(status, 2) << command;
        EXPECT_TRUE(output.starts_with("ray_diagram: ") && output.find('\n') == output.size() - 1) << output;
        EXPECT_NE(output.find(message), std::string::npos) << message << " is not in " << output;
    }
    // A level is refused as the program refuses it.
    const auto [status, output] =
        scratch.runIn(QUENTAVOX_SOURCE_DIR, std::string(RAY_DIAGRAM) + " --level tests/fixtures/map_rgb565.bmp" + out);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(output, "ray_diagram: tests/fixtures/map_rgb565.bmp: error: has 16 bits a pixel, too few to hold the "
                      "level colours exactly; save it with 24 or 32 bits a pixel\n"
                      "tests/fixtures/map_rgb565.bmp: 1 error, 0 warnings\n");
    EXPECT_FALSE(fs::exists(scratch.path / "out.png"));
}

}  // namespace
