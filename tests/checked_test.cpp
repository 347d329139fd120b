// SPDX-License-Identifier: MIT
#include "base/checked.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/runtime_error.h"

// Whole conversions round half to even, and fail outside their range; each
// error names the value.
TEST(Checked, WholeConversionsRoundHalfToEvenAndFailOutsideTheirRange)
{
    EXPECT_EQ(checked::toInt16(2.5, "v"), 2);
    EXPECT_EQ(checked::toInt16(3.5, "v"), 4);
    EXPECT_EQ(checked::toInt16(-2.5, "v"), -2);
    EXPECT_EQ(checked::toInt32(-0.4, "v"), 0);
    EXPECT_EQ(checked::toInt16(32767.4, "v"), 32767);
    EXPECT_EQ(checked::toInt16(-32768.5, "v"), -32768);  // ties to even stay in range
    EXPECT_THROW(checked::toInt16(32767.5, "v"), RuntimeError);
    EXPECT_THROW(checked::toInt16(-32769, "v"), RuntimeError);
    EXPECT_THROW(checked::toInt32(2147483647.5, "v"), RuntimeError);
    EXPECT_THROW(checked::toInt32(std::numeric_limits<double>::quiet_NaN(), "v"), RuntimeError);
    EXPECT_THROW(checked::toInt32(std::numeric_limits<double>::infinity(), "v"), RuntimeError);
    EXPECT_EQ(runtimeErrorOf([] { checked::toInt16(40000, "rayAngle"); }),
              "Overflow: rayAngle = 40000.000000 does not fit in 16 bits");
}

TEST(Checked, IndexComparesAsUnsigned)
{
    EXPECT_EQ(checked::index(0, 64, "i"), 0u);
    EXPECT_EQ(checked::index(63, 64, "i"), 63u);
    EXPECT_THROW(checked::index(64, 64, "i"), RuntimeError);
    EXPECT_THROW(checked::index(std::numeric_limits<std::int64_t>::min(), 64, "i"), RuntimeError);
    EXPECT_EQ(runtimeErrorOf([] { checked::index(-1, 64, "mapCells x"); }),
              "Subscript out of range: mapCells x = -1 (valid 0..63)");
}

TEST(Checked, SumsAndFloatsFailInsteadOfWrapping)
{
    EXPECT_EQ(checked::add16(32677, 90, "a"), 32767);
    EXPECT_THROW(checked::add16(32678, 90, "a"), RuntimeError);
    EXPECT_THROW(checked::add32(std::numeric_limits<std::int32_t>::max(), 1, "a"), RuntimeError);
    EXPECT_THROW(checked::toSingle(1e39, "f"), RuntimeError);
    EXPECT_THROW(checked::finite(1.0 / std::numeric_limits<double>::min() * 1e300, "f"), RuntimeError);
    EXPECT_EQ(checked::floorToInt(-0.5, "f"), -1);
    EXPECT_EQ(checked::floorToInt(2.9999, "f"), 2);
}
