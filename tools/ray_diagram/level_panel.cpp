// SPDX-License-Identifier: MIT
#include "tools/ray_diagram/level_panel.h"

#include "render/level_map.h"

void drawLevel(const Canvas& panel, const Scene& scene, const RaysView& view, std::int32_t zoom)
{
    const GameState& state = scene.state();
    const LevelMapping to =
        LevelMapping::around(state.playerX, state.playerY, MapCells::Size / zoom, levelCellPixels * zoom);
    drawCells(panel, to, state.mapCells, true);
    drawFrameRays(panel, to, state, view.rays, view.width);
    for (const MarkedColumn& mark : view.marks) {
        panel.line(to.x(state.playerX), to.y(state.playerY), to.x(mark.ray.wall.hitX), to.y(mark.ray.wall.hitY),
                   mark.colour, 2);
        panel.disc(to.x(mark.ray.wall.hitX), to.y(mark.ray.wall.hitY), 3.5, mark.colour);
    }
    drawPlayer(panel, to, state);
}
