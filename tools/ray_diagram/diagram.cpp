// SPDX-License-Identifier: MIT
#include "tools/ray_diagram/diagram.h"

#include <algorithm>
#include <string>

#include "base/checked.h"
#include "gfx/canvas.h"
#include "tools/ray_diagram/text.h"
#include "tools/ray_diagram/frame_panel.h"
#include "tools/ray_diagram/input_error.h"
#include "tools/ray_diagram/legend.h"
#include "tools/ray_diagram/level_panel.h"
#include "tools/ray_diagram/palette.h"

namespace {

constexpr std::int32_t margin = 16;
constexpr std::int32_t between = 32;
constexpr std::int32_t titleTop = 14;
constexpr std::int32_t captionTop = 46;
constexpr std::int32_t panelTop = 76;
constexpr std::int32_t legendGap = 28;
constexpr std::int32_t textScale = 2;

// With no columns asked for, five spread from the left edge to the right.
std::vector<std::int32_t> markedColumns(const Options& options, std::int32_t width)
{
    if (!options.marks.empty()) return options.marks;
    return {0, width / 4, width / 2, width * 3 / 4, width - 1};
}

RaysView raysView(const Scene& scene, const Options& options, std::int32_t width)
{
    RaysView view{scene.castRays(), {}, width};
    const std::vector<std::int32_t> columns = markedColumns(options, width);
    if (columns.size() > palette::marks.size()) {
        throw InputError(concat("--mark takes at most ", std::to_string(palette::marks.size()), " columns"));
    }
    for (const std::int32_t column : columns) {
        if (column < 0 || column >= width) {
            throw InputError(concat("column ", std::to_string(column), " is not on the screen (0 to ",
                                    std::to_string(width - 1), ")"));
        }
        const auto ray = std::find_if(view.rays.begin(), view.rays.end(), [column](const ColumnRun& r) {
            return r.firstColumn <= column && column < r.endColumn;
        });
        view.marks.push_back({column, palette::marks[view.marks.size()], *ray});
    }
    return view;
}

}  // namespace

Surface drawDiagram(Scene& scene, const Options& options)
{
    frmMain& form = scene.window();
    const std::int32_t frameWidth = checked::toInt32(form.picRender.ScaleWidth(), "width");
    const std::int32_t frameHeight = checked::toInt32(form.picRender.ScaleHeight(), "height");
    const RaysView view = raysView(scene, options, frameWidth);

    const std::int32_t frameLeft = margin + levelPanelSize + between;
    const std::int32_t frameCanvasHeight = frameMarksAbove + frameHeight * frameScale + frameMarksBelow;
    const std::int32_t width = frameLeft + frameWidth * frameScale + margin;
    const std::int32_t legendTop = panelTop + std::max(levelPanelSize, frameCanvasHeight) + legendGap;
    const std::int32_t height = legendTop + legendHeight(view) + margin;

    Surface picture(width, height);
    const Canvas canvas(picture.hDC());
    canvas.fill(0, 0, width, height, palette::background);

    const GameState& state = scene.state();
    canvas.text(margin, titleTop,
                concat("Standing at x ", printed("%g", state.playerX), ", y ", printed("%g", state.playerY), ", heading ",
                       std::to_string(scene.heading()), " degrees, in ", scene.levelName()),
                palette::text, textScale);
    canvas.text(margin, captionTop, "from above, flipped left to right", palette::dimText,
                textScale);
    canvas.text(frameLeft, captionTop, "the frame Raycast draws, at twice its size", palette::dimText,
                textScale);

    drawLevel(canvas.part(margin, panelTop, levelPanelSize, levelPanelSize), scene, view, options.zoom);
    drawFrame(canvas.part(frameLeft, panelTop, frameWidth * frameScale,
                          frameCanvasHeight),
              form, view);
    drawLegend(canvas.part(margin, legendTop, width - 2 * margin, legendHeight(view)), scene, view);
    return picture;
}
