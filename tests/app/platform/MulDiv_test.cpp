// SPDX-License-Identifier: MIT
#include "app/platform/MulDiv.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(MulDivTest, RoundsHalfAwayFromZeroWithAWideProduct) {
    EXPECT_EQ(MulDiv(5, 1, 2), 3);
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(MulDiv(5, -1, 2), -3);
    EXPECT_EQ(MulDiv(7, 1, 3), 2);
    EXPECT_EQ(MulDiv(8, 1, -3), -3);
    EXPECT_EQ(MulDiv(100000, 100000, 1000000), 10000);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);
    EXPECT_EQ(MulDiv(INT_MIN, 1, 1), INT_MIN);
}

} // namespace
