// SPDX-License-Identifier: MIT
#include "core/frmMain.h"

#include <string>
#include <utility>

#include "base/runtime_error.h"
#include "core/stored_window.h"

#include "assets/map_cells.h"
#include "assets/map_decoding.h"
#include "render/raycast.h"
#include "sim/tick.h"

namespace {

// A program built without the level check must not draw holes where a
// picture is smaller than the renderer's fixed rectangles.
Surface picture(const embedded::Picture& file, PictureSize size)
{
    Surface surface = Surface::fromBmp(file.file, file.name);
    const DeviceContext dc = surface.hDC();
    if (dc.width != size.width || dc.height != size.height) {
        throw RuntimeError("Wrong picture size: " + std::string(file.name) + " is " + std::to_string(dc.width) +
                           " x " + std::to_string(dc.height) + " pixels, not " + std::to_string(size.width) +
                           " x " + std::to_string(size.height));
    }
    return surface;
}

// The render box as the window stores it, border and all.
Surface renderSurface(Platform& window)
{
    Surface surface(storedViewWidth, storedViewHeight, storedRenderBoxBorder);
    surface.Left = 8;
    surface.Top = 8;
    surface.showIn(window);
    return surface;
}

// The empty placeholder for code 0, then a holder for each texture file.
std::array<Surface, textureSlots> textureHolders(const std::array<embedded::Picture, textureSlots - 1>& files)
{
    return [&]<std::size_t... i>(std::index_sequence<i...>) {
        return std::array<Surface, textureSlots>{Surface(1, 1), picture(files[i], texturePictureSize)...};
    }(std::make_index_sequence<textureSlots - 1>{});
}

}  // namespace

frmMain::frmMain(Platform& platform, const FormPictures& pictures)
    : picRender(renderSurface(platform)),
      picMap(picture(pictures.map, mapPictureSize)),
      picClear(picture(pictures.backdrop, backdropPictureSize)),
      picTexture(textureHolders(pictures.textures)),
      platform(platform)
{
}

void frmMain::SetUpGame()
{
    generateTrig(state.sinTable, state.tanTable);
    state.playerX = static_cast<float>(startCell.x) + 0.5f;
    state.playerY = static_cast<float>(startCell.y) + 0.5f;
    decodeMap(picMap, state.mapCells);
}

void frmMain::Raycast(Surface& picture)
{
    drawView(state, picture, picClear, picTexture, viewRuns);
    if (mapShown && &picture == &picRender) DrawMap();
}

void frmMain::GameCode()
{
    runTick(state);
}
