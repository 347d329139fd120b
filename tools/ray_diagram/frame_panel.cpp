// SPDX-License-Identifier: MIT
#include "tools/ray_diagram/frame_panel.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/frmMain.h"
#include "gfx/gdi.h"
#include "tools/ray_diagram/palette.h"

namespace {

constexpr std::int32_t textScale = 2;
constexpr std::int32_t labelGap = 8;

// A small triangle pointing at row tipY, down when `downward`; its tip is
// the two pixels either side of x, one screen column at twice the size.
void pointer(const Canvas& panel, std::int32_t x, std::int32_t tipY, bool downward, Rgb colour)
{
    constexpr std::int32_t rows = 8;
    for (std::int32_t row = 0; row < rows; ++row) {
        const std::int32_t y = downward ? tipY - row : tipY + row;
        panel.fill(x - row / 2 - 1, y, 2 + row / 2 * 2, 1, colour);
    }
}

}  // namespace

void drawFrame(const Canvas& panel, frmMain& form, const RaysView& view)
{
    form.Raycast(form.picRender);
    const DeviceContext frame = form.picRender.hDC();
    const Canvas scaled = panel.part(0, frameMarksAbove, frame.width * frameScale, frame.height * frameScale);
    // The program's own scaled copy doubles every pixel.
    StretchBlt(scaled.hDC(), 0, 0, scaled.width(), scaled.height(), frame, 0, 0, frame.width,
               frame.height, SRCCOPY);

    // Numbers go above their pointers; one that would run into the number
    // before it goes below instead, and if that is taken too, the legend
    // alone names the column.
    std::vector<MarkedColumn> marks = view.marks;
    std::sort(marks.begin(), marks.end(),
              [](const MarkedColumn& a, const MarkedColumn& b) { return a.column < b.column; });
    std::int32_t freeAbove = 0;
    std::int32_t freeBelow = 0;
    const std::int32_t frameBottom = frameMarksAbove + scaled.height();
    for (const MarkedColumn& mark : marks) {
        // The middle of the column's pixels.
        const std::int32_t x = mark.column * frameScale + frameScale / 2;
        pointer(panel, x, frameMarksAbove - 2, true, mark.colour);
        pointer(panel, x, frameBottom + 1, false, mark.colour);

        const std::string label = std::to_string(mark.column);
        const std::int32_t labelWidth = Canvas::textWidth(label, textScale);
        const std::int32_t left = std::clamp(x - labelWidth / 2, 0, panel.width() - labelWidth);
        if (left >= freeAbove) {
            panel.text(left, 0, label, mark.colour, textScale);
            freeAbove = left + labelWidth + labelGap;
        } else if (left >= freeBelow) {
            panel.text(left, panel.height() - Canvas::textHeight(textScale), label, mark.colour, textScale);
            freeBelow = left + labelWidth + labelGap;
        }
    }
}
