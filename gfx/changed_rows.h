// SPDX-License-Identifier: MIT
#pragma once
// Which pixels of a picture drawing has changed, as one span of columns a
// row: what was drawn over a background is taken away again by copying
// those spans of the background back, and nothing more. Its memory is taken
// when it is made.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

class ChangedRows {
public:
    explicit ChangedRows(std::int32_t height)
        : lefts(std::size_t(std::max(height, 0)), std::numeric_limits<std::int32_t>::max()),
          rights(lefts.size(), std::numeric_limits<std::int32_t>::min())
    {
    }

    // Columns left .. right - 1 of `row` have changed; rows outside the
    // picture are left out.
    void add(std::int32_t row, std::int32_t left, std::int32_t right)
    {
        if (row < 0 || std::size_t(row) >= lefts.size() || left >= right) return;
        lefts[std::size_t(row)] = std::min(lefts[std::size_t(row)], left);
        rights[std::size_t(row)] = std::max(rights[std::size_t(row)], right);
        top = std::min(top, row);
        bottom = std::max(bottom, row + 1);
    }

    // Calls restore(row, left, right) for each row that changed, top down,
    // then forgets every change.
    template <class Restore>
    void takeAll(Restore&& restore)
    {
        for (std::int32_t row = top; row < bottom; ++row) {
            const std::size_t at = std::size_t(row);
            if (lefts[at] < rights[at]) restore(row, lefts[at], rights[at]);
            lefts[at] = std::numeric_limits<std::int32_t>::max();
            rights[at] = std::numeric_limits<std::int32_t>::min();
        }
        top = std::numeric_limits<std::int32_t>::max();
        bottom = 0;
    }

private:
    std::vector<std::int32_t> lefts;
    std::vector<std::int32_t> rights;
    std::int32_t top = std::numeric_limits<std::int32_t>::max();
    std::int32_t bottom = 0;
};
