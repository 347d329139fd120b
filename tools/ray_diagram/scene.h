// SPDX-License-Identifier: MIT
#pragma once
// The program's window built off screen from the chosen pictures, with the
// player put where the diagram looks from. Everything drawn comes from here:
// the decoded level, the tables, the rays and the frame.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "assets/picture_sizes.h"
#include "core/frmMain.h"
#include "core/stored_window.h"
#include "render/raycast.h"
#include "gfx/rgb.h"
// The tests' scripted platform, of the stored size: a window that is never
// shown, so the frames stay in their surfaces.
#include "tests/fake_platform.h"

// The picture files read from disk, kept while the window is made from them.
struct PictureFiles {
    std::string levelName;
    std::vector<unsigned char> level;
    std::vector<unsigned char> backdrop;
    std::array<std::vector<unsigned char>, textureSlots - 1> textures;
    std::vector<std::string> names;  // of the backdrop and the textures
};

class Scene {
public:
    // Throws InputError when a picture cannot be read or the level breaks
    // its rules.
    Scene(const std::string& level, const std::optional<std::string>& pictures);

    // Throws InputError for a spot outside the grid or inside a wall.
    void place(double x, double y, std::int32_t heading);

    // The rays of one frame, cast by the renderer's own code: in its order,
    // the one that only the clipped column past the right edge uses last.
    std::vector<ColumnRun> castRays() const;

    const GameState& state() const { return form.state; }
    frmMain& window() { return form; }
    const std::string& levelName() const { return files.levelName; }
    std::int32_t heading() const { return wholeHeading; }

private:
    PictureFiles files;
    FakePlatform platform;
    frmMain form;
    std::int32_t wholeHeading = 0;
};
