#include "render/gdi.h"

#include <algorithm>
#include <cstring>

namespace {

// Walks the source index of each destination pixel of a span: pixel i of n
// takes floor((2i + 1) * m / 2n) of m. The quotient and remainder are stepped
// exactly, so there is no division per pixel and no drift.
class SpanStepper {
public:
    SpanStepper(std::int64_t n, std::int64_t m, std::int64_t first)
        : denominator(2 * n), stepQuotient((2 * m) / denominator), stepRemainder((2 * m) % denominator)
    {
        const std::int64_t numerator = (2 * first + 1) * m;
        quotient = numerator / denominator;
        remainder = numerator % denominator;
    }

    std::int64_t index() const { return quotient; }

    void next()
    {
        quotient += stepQuotient;
        remainder += stepRemainder;
        if (remainder >= denominator) {
            remainder -= denominator;
            ++quotient;
        }
    }

private:
    std::int64_t denominator;
    std::int64_t stepQuotient;
    std::int64_t stepRemainder;
    std::int64_t quotient = 0;
    std::int64_t remainder = 0;
};

// When a span is stretched (n >= m), each source pixel covers a run of
// neighbouring destination pixels. This walks those runs: the source index
// and the end of its run, where the first destination pixel of the next
// source pixel lies, ceil((2n(s + 1) - m) / 2m). Filling whole runs leaves
// the stepping out of the per-pixel loop.
class RunStepper {
public:
    RunStepper(std::int64_t n, std::int64_t m, std::int64_t first)
        : denominator(2 * m), stepQuotient((2 * n) / denominator), stepRemainder((2 * n) % denominator),
          source((2 * first + 1) * m / (2 * n))
    {
        const std::int64_t numerator = 2 * n * (source + 1) - m;
        quotient = numerator / denominator;
        remainder = numerator % denominator;
    }

    std::int64_t index() const { return source; }
    std::int64_t end() const { return quotient + (remainder != 0); }

    void next()
    {
        ++source;
        quotient += stepQuotient;
        remainder += stepRemainder;
        if (remainder >= denominator) {
            remainder -= denominator;
            ++quotient;
        }
    }

private:
    std::int64_t denominator;
    std::int64_t stepQuotient;
    std::int64_t stepRemainder;
    std::int64_t source;
    std::int64_t quotient = 0;
    std::int64_t remainder = 0;
};

// One destination row from one source row, pixels x0..x1 of a span of
// `width` starting at x, from `sourceWidth` source pixels.
void copyRow(std::uint32_t* to, const std::uint32_t* in, std::int64_t x, std::int64_t x0, std::int64_t x1,
             std::int64_t width, std::int64_t sourceWidth)
{
    if (width >= sourceWidth) {
        for (RunStepper column(width, sourceWidth, x0 - x); x0 < x1; column.next()) {
            const std::uint32_t value = in[column.index()];
            const std::int64_t end = std::min(x + column.end(), x1);
            for (; x0 < end; ++x0) to[x0] = value;
        }
        return;
    }
    SpanStepper column(width, sourceWidth, x0 - x);
    for (std::int64_t dx = x0; dx < x1; ++dx, column.next()) to[dx] = in[column.index()];
}

bool inside(std::int64_t start, std::int64_t length, std::int64_t limit)
{
    return start >= 0 && start + length <= limit;
}

}  // namespace

std::uint32_t GetPixel(const DeviceContext& dc, std::int32_t x, std::int32_t y)
{
    if (x < 0 || y < 0 || x >= dc.width || y >= dc.height) return CLR_INVALID;
    const std::uint32_t rgb = dc.pixels[static_cast<std::ptrdiff_t>(y) * dc.pitch + x];
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

int StretchBlt(const DeviceContext& destination, std::int32_t x, std::int32_t y,
               std::int32_t width, std::int32_t height, const DeviceContext& source,
               std::int32_t sourceX, std::int32_t sourceY, std::int32_t sourceWidth,
               std::int32_t sourceHeight, std::uint32_t rasterOperation)
{
    if (rasterOperation != SRCCOPY || width < 0 || height < 0 || sourceWidth <= 0 ||
        sourceHeight <= 0 || !inside(sourceX, sourceWidth, source.width) ||
        !inside(sourceY, sourceHeight, source.height)) {
        return 0;
    }
    const std::int64_t x0 = std::max<std::int64_t>(x, 0);
    const std::int64_t x1 = std::min<std::int64_t>(std::int64_t{x} + width, destination.width);
    const std::int64_t y0 = std::max<std::int64_t>(y, 0);
    const std::int64_t y1 = std::min<std::int64_t>(std::int64_t{y} + height, destination.height);
    if (x0 >= x1 || y0 >= y1) return 1;

    const std::uint32_t* from = source.pixels + std::int64_t{sourceY} * source.pitch + sourceX;
    std::uint32_t* to = destination.pixels + y0 * destination.pitch;
    SpanStepper row(height, sourceHeight, y0 - y);

    // A one-pixel-wide column, as every wall column is: one source column
    // stretched down the destination column, a run of rows per source pixel.
    if (x1 - x0 == 1) {
        const std::uint32_t* column = from + SpanStepper(width, sourceWidth, x0 - x).index();
        to += x0;
        if (height >= sourceHeight) {
            std::int64_t dy = y0;
            for (RunStepper rows(height, sourceHeight, y0 - y); dy < y1; rows.next()) {
                const std::uint32_t value = column[rows.index() * source.pitch];
                const std::int64_t end = std::min(y + rows.end(), y1);
                for (; dy < end; ++dy, to += destination.pitch) *to = value;
            }
            return 1;
        }
        for (std::int64_t dy = y0; dy < y1; ++dy, row.next(), to += destination.pitch) {
            *to = column[row.index() * source.pitch];
        }
        return 1;
    }

    // Wider copies: a destination row that takes the same source row as the
    // one above it is the same pixels, so it is copied from there.
    std::int64_t previousRow = -1;
    for (std::int64_t dy = y0; dy < y1; ++dy, row.next(), to += destination.pitch) {
        if (row.index() == previousRow) {
            std::memcpy(to + x0, to - destination.pitch + x0,
                        static_cast<std::size_t>(x1 - x0) * sizeof(std::uint32_t));
            continue;
        }
        copyRow(to, from + row.index() * source.pitch, x, x0, x1, width, sourceWidth);
        previousRow = row.index();
    }
    return 1;
}
