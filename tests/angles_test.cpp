// SPDX-License-Identifier: MIT
#include "angles/angles.h"

#include <gtest/gtest.h>

#include "base/checked.h"

TEST(Angles, TablesHoldTheRoundedSixtyFourBitValuesAndLookUpsWrap)
{
    struct {
        AngleTable sinTable{};
        AngleTable tanTable{};
    } t;
    generateTrig(t.sinTable, t.tanTable);
    // The degrees are rounded to 32-bit radians first: the golden frames
    // check the ordinary angles, these and the look-ups below the ones that
    // rounding decides (sin 180, tan 90 and 180 are not zero or infinite).
    EXPECT_EQ(t.tanTable[180], 8.742278e-8f);
    EXPECT_EQ(t.tanTable[270], -83858280.0f);
    // No entry is left unfilled: past 0 none is zero.
    for (std::size_t i = 1; i < 360; ++i) EXPECT_TRUE(t.sinTable[i] != 0 && t.tanTable[i] != 0) << i;

    // Look-ups wrap, and the cosine reads ninety degrees on, which must
    // still fit 16 bits.
    EXPECT_EQ(lSin(t.sinTable, -90), -1.0f);
    EXPECT_EQ(lCos(t.sinTable, 0), 1.0f);
    EXPECT_EQ(lCos(t.sinTable, 90), -8.742278e-8f);
    EXPECT_EQ(lCos(t.sinTable, 32677), t.sinTable[7]);
    EXPECT_THROW(lCos(t.sinTable, 32678), RuntimeError);
    EXPECT_EQ(lCos(t.sinTable, -32768), t.sinTable[82]);
    EXPECT_EQ(lTan(t.tanTable, -270), -22877332.0f);
    EXPECT_EQ(lTan(t.tanTable, 360), 0.0f);
}

TEST(Angles, NormaliseWrapsEverySixteenBitValueIntoOneTurn)
{
    for (int a = -32768; a <= 32767; ++a) {
        ASSERT_EQ(normaliseAngle(static_cast<std::int16_t>(a)), ((a % 360) + 360) % 360) << a;
    }
}
