// SPDX-License-Identifier: MIT
#include "gfx/gdi.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

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

    // The carry as a value, not a branch: runs of uneven length make it
    // come and go in a pattern the processor cannot learn.
    void next()
    {
        ++source;
        remainder += stepRemainder;
        const bool carry = remainder >= denominator;
        quotient += stepQuotient + carry;
        remainder -= carry ? denominator : 0;
    }

private:
    std::int64_t denominator;
    std::int64_t stepQuotient;
    std::int64_t stepRemainder;
    std::int64_t source;
    std::int64_t quotient = 0;
    std::int64_t remainder = 0;
};

// For spans of at most this many pixels, source and destination alike, the
// source index of destination pixel i, floor((2i + 1) * m / 2n), is stepped in
// 32.32 fixed point with no branch: position = (2i + 1) * c with
// c = ceil(2^32 * m / 2n), and the index is position >> 32. Why that is exact:
// c = 2^32 * m / 2n + e with 0 <= e < 1, so position / 2^32 exceeds
// (2i + 1) * m / 2n by (2i + 1) * e / 2^32 < 2n / 2^32 <= 1 / 2n, as
// 2i + 1 < 2n and (2n)^2 <= 2^32. The exact quotient is a multiple of 1 / 2n,
// so it lies at least 1 / 2n below the next whole number and the excess
// cannot reach it: both floors agree. (2i + 1) * c < 2^32 * m + 2n keeps
// well inside 64 bits.
constexpr std::int64_t fixedPointSpan = 1 << 15;
// Longer spans would break the proof: for 32769 to 65536 rows some clipped
// spans would take the wrong rows. Those take the exact stepper instead.
static_assert((2 * fixedPointSpan) * (2 * fixedPointSpan) <= std::int64_t{1} << 32,
              "32.32 stepping is exact only for spans with (2n)^2 <= 2^32");

bool fitsFixedPoint(std::int64_t n, std::int64_t m) { return n <= fixedPointSpan && m <= fixedPointSpan; }

// c above, for n destination pixels from m source pixels.
std::uint64_t fixedPointStep(std::int64_t n, std::int64_t m)
{
    const std::uint64_t denominator = 2 * static_cast<std::uint64_t>(n);
    return ((static_cast<std::uint64_t>(m) << 32) + denominator - 1) / denominator;
}

// Every computed row of a wider blit has the same runs, so where each run
// begins is worked out once per blit, in a table on the stack, for rows
// magnified from at most this many source pixels.
constexpr std::int64_t maxTableRuns = 256;
// A run no longer than this is written as one block of this many pixels that
// the next run partly overwrites.
constexpr std::int64_t blockPixels = 8;

struct RunTable {
    std::int64_t first = 0;                 // source index of the first run
    std::int64_t count = 0;                 // runs in the clipped row
    std::int64_t blocked = 0;               // leading runs that may be written as blocks
    std::int64_t start[maxTableRuns + 1];    // destination x of each run, then x1
};

// Builds the table when every run of the row fits a block and there are few
// enough of them; answers false otherwise.
bool buildRunTable(RunTable& table, std::int64_t x, std::int64_t x0, std::int64_t x1, std::int64_t width,
                   std::int64_t sourceWidth)
{
    if (width < sourceWidth || width > blockPixels * sourceWidth) return false;
    RunStepper column(width, sourceWidth, x0 - x);
    table.first = column.index();
    table.count = 0;
    for (std::int64_t at = x0; at < x1; column.next(), ++table.count) {
        if (table.count == maxTableRuns) return false;
        table.start[table.count] = at;
        at = std::min(x + column.end(), x1);
    }
    table.start[table.count] = x1;
    // A block written at a run's start must end inside the clipped row.
    table.blocked = table.count;
    while (table.blocked > 0 && table.start[table.blocked - 1] + blockPixels > x1) --table.blocked;
    return true;
}

// Magnified rows with short runs, as the backdrop has: each source pixel is
// stored as a whole block of pixels, which compiles to a couple of vector
// stores, and the next run overwrites what lies past its own end. The fill
// no longer branches on each run's length, which the processor mispredicts
// for runs of four or five pixels.
void copyRowByBlocks(std::uint32_t* to, const std::uint32_t* in, const RunTable& table)
{
    // The colour goes through a local: read through `in` inside the fill it
    // might alias the pixels written, which would keep the stores scalar.
    std::int64_t run = 0;
    for (; run < table.blocked; ++run) {
        const std::uint32_t value = in[table.first + run];
        std::uint32_t* block = to + table.start[run];
        for (std::int64_t k = 0; k < blockPixels; ++k) block[k] = value;
    }
    for (; run < table.count; ++run) {
        const std::uint32_t value = in[table.first + run];
        for (std::int64_t dx = table.start[run]; dx < table.start[run + 1]; ++dx) to[dx] = value;
    }
}

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

// Reads the pixel that is about to be written. Down a column of a wide
// image every store lands in a cache line of its own that is not present, and
// there a stream of lone stores measured about three times slower than the
// same stores each after a read of its pixel (a 1920 x 1080 frame of
// full-height columns: 7.2 ms against 2.4 ms); the read only fetches the line
// that the store needs anyway, and costs nothing measurable on small images.
void fetchLine(const std::uint32_t* pixel)
{
    (void)*static_cast<const volatile std::uint32_t*>(pixel);
}

// n pixels of one value, n at least 4, in stores of four, the last of
// which ends where the span ends and may overlap the one before it: no loop
// over single pixels, whose length varies from span to span.
void fillSpan(std::uint32_t* to, std::int64_t n, std::uint32_t value)
{
    const std::uint32_t four[4] = {value, value, value, value};
    for (std::int64_t i = 0; i < n - 4; i += 4) std::memcpy(to + i, four, sizeof four);
    std::memcpy(to + n - 4, four, sizeof four);
}

// The same for a span whose length is known when compiled, here any from 1:
// stores of four and then single pixels, none of them overlapping another.
// Down the columns of walls four or five pixels wide those measured a third
// faster than the two overlapping stores of fillSpan.
template <std::int64_t n>
void fillPixels(std::uint32_t* to, std::uint32_t value)
{
    const std::uint32_t four[4] = {value, value, value, value};
    std::int64_t i = 0;
    for (; i + 4 <= n; i += 4) std::memcpy(to + i, four, sizeof four);
    for (; i < n; ++i) to[i] = value;
}

// The source column of a copy whose every destination row takes one source
// pixel: `height` destination rows from `sourceHeight` source rows, of which
// the first one drawn is row `first`.
struct RowSource {
    const std::uint32_t* pixels;
    std::int64_t pitch;
    std::int64_t height;
    std::int64_t sourceHeight;
    std::int64_t first;
};

// The destination rows drawn: `count` rows from `pixels` down.
struct RowTarget {
    std::uint32_t* pixels;
    std::int64_t pitch;
    std::int64_t count;
};

// Columns magnified at least four times, as near walls are: each source row
// covers a run of neighbouring destination rows, n / m of them rounded down
// or up, at most `block` = ceil(n / m), the first run drawn perhaps fewer.
// Each run is written as a block of `block` rows from its first row; what
// spills past the run's end lies in the runs below it, written later, and the
// last block stops at the last row drawn. The rows of a run then share one
// source read, in a loop of a length known before it starts, which takes
// about half the instructions of a step in fixed point for every row.
constexpr std::int64_t blockMagnification = 4;

template <class WriteRow>
void fillRowsByBlocks(const RowSource source, const RowTarget target, WriteRow writeRow)
{
    const std::int64_t block = (source.height + source.sourceHeight - 1) / source.sourceHeight;
    RunStepper run(source.height, source.sourceHeight, source.first);
    for (std::int64_t row = 0; row < target.count; row = run.end() - source.first, run.next()) {
        const std::uint32_t value = source.pixels[run.index() * source.pitch];
        std::uint32_t* pixel = target.pixels + row * target.pitch;
        for (std::int64_t k = std::min(block, target.count - row); k > 0; --k, pixel += target.pitch) {
            writeRow(pixel, value);
        }
    }
}

// Hands each destination row its source pixel. Less magnified, for every wall
// under four times as tall as its texture, the rows step in fixed point with
// no branch but the loop's own, where runs of rows of uneven length would
// mispredict every few rows. Source and target come by value: a pixel store
// could alias fields read through a reference, which would then be read
// again after every row.
template <class WriteRow>
void fillRows(const RowSource source, const RowTarget target, WriteRow writeRow)
{
    if (source.height >= blockMagnification * source.sourceHeight) {
        fillRowsByBlocks(source, target, writeRow);
        return;
    }
    std::uint32_t* to = target.pixels;
    std::uint32_t* const end = to + target.count * target.pitch;
    if (fitsFixedPoint(source.height, source.sourceHeight)) {
        const std::uint64_t step = 2 * fixedPointStep(source.height, source.sourceHeight);
        std::uint64_t position = static_cast<std::uint64_t>(2 * source.first + 1) * (step / 2);
        for (; to != end; to += target.pitch, position += step) {
            writeRow(to, source.pixels[static_cast<std::int64_t>(position >> 32) * source.pitch]);
        }
        return;
    }
    SpanStepper row(source.height, source.sourceHeight, source.first);
    for (; to != end; to += target.pitch, row.next()) writeRow(to, source.pixels[row.index() * source.pitch]);
}

// Each narrow span, one to eight pixels, as the walls of a view up to 560
// pixels wide are, by a loop of its own whose stores are known when compiled.
// Down a single column each store wants its line fetched first; a span
// writes along its line, and the read measured no faster there.
template <std::int64_t span>
void fillNarrowColumn(RowSource column, RowTarget rows)
{
    fillRows(column, rows, [](std::uint32_t* pixel, std::uint32_t value) {
        if constexpr (span == 1) fetchLine(pixel);
        fillPixels<span>(pixel, value);
    });
}

using NarrowFill = void (*)(RowSource, RowTarget);
template <std::size_t... less>
constexpr std::array<NarrowFill, sizeof...(less)> narrowFills(std::index_sequence<less...>)
{
    return {&fillNarrowColumn<static_cast<std::int64_t>(less) + 1>...};
}
constexpr std::array<NarrowFill, 8> fillNarrow = narrowFills(std::make_index_sequence<8>());

// Every row of a span `span` pixels wide, at least 1, from a source column.
void fillColumn(RowSource column, RowTarget rows, std::int64_t span)
{
    if (span <= std::ssize(fillNarrow)) {
        fillNarrow[static_cast<std::size_t>(span - 1)](column, rows);
        return;
    }
    fillRows(column, rows, [span](std::uint32_t* pixel, std::uint32_t value) { fillSpan(pixel, span, value); });
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

    // Pitches in locals: a pixel store may alias the contexts' fields, which
    // would otherwise be read again after every pixel.
    const std::int64_t sourcePitch = source.pitch;
    const std::int64_t destinationPitch = destination.pitch;
    const std::uint32_t* from = source.pixels + sourceY * sourcePitch + sourceX;
    std::uint32_t* to = destination.pixels + y0 * destinationPitch;

    // A one-pixel-wide source, as every wall is, or a destination clipped to
    // one column: each destination row is one source pixel, repeated.
    if (sourceWidth == 1 || x1 - x0 == 1) {
        const RowSource column{from + (sourceWidth == 1 ? 0 : SpanStepper(width, sourceWidth, x0 - x).index()),
                               sourcePitch, height, sourceHeight, y0 - y};
        fillColumn(column, {to + x0, destinationPitch, y1 - y0}, x1 - x0);
        return 1;
    }

    // Wider copies: a destination row that takes the same source row as the
    // one above it is the same pixels, so it is copied from there.
    RunTable runs;
    const bool byBlocks = buildRunTable(runs, x, x0, x1, width, sourceWidth);
    SpanStepper row(height, sourceHeight, y0 - y);
    std::int64_t previousRow = -1;
    for (std::int64_t dy = y0; dy < y1; ++dy, row.next(), to += destinationPitch) {
        if (row.index() == previousRow) {
            std::memcpy(to + x0, to - destinationPitch + x0,
                        static_cast<std::size_t>(x1 - x0) * sizeof(std::uint32_t));
            continue;
        }
        const std::uint32_t* in = from + row.index() * sourcePitch;
        if (byBlocks) {
            copyRowByBlocks(to, in, runs);
        } else {
            copyRow(to, in, x, x0, x1, width, sourceWidth);
        }
        previousRow = row.index();
    }
    return 1;
}
