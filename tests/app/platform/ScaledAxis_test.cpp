// SPDX-License-Identifier: MIT
#include "app/platform/ScaledAxis.h"

#include <algorithm>
#include <gtest/gtest.h>

TEST(ScaledAxisTest, ALineOnOrNearTheFarEdgeIsKeptShrunkAndNoThickerEnlarged) {
    for (const int screen : {81, 306, 459, 1939, 2552}) {
        for (const int picture : {1021, 1023}) {
            const std::vector<int> t = ScaledAxis(picture, screen, {1020}).Table();
            EXPECT_EQ(std::count(t.begin(), t.end(), 1020), std::max(1, screen / picture))
                << screen;
        }
    }
}

// The first and last lines too; the table stays in order, as ScreenSpan needs.
TEST(ScaledAxisTest, EveryLineIsShownShrunkAndAllAsThickEnlarged) {
    for (const int screen : {123, 800, 2100}) {
        const std::vector<int> t = ScaledAxis(800, screen, {0, 160, 799}).Table();
        EXPECT_TRUE(std::is_sorted(t.begin(), t.end()));
        for (const int line : {0, 160, 799}) {
            EXPECT_EQ(std::count(t.begin(), t.end(), line), std::max(1, screen / 800)) << screen;
        }
    }
}

// Ten screen pixels show every tenth picture pixel, the line 50 in place of 55, and the scale
// goes on off the screen. Fitted keeps the proportions within the box, at least 1 x 1.
TEST(ScaledAxisTest, SpansOffScreenPixelsAndFittedSizes) {
    const ScaledAxis axis(100, 10, {50});
    EXPECT_EQ(axis.ScreenSpan(50, 51), std::pair(5, 6));
    EXPECT_EQ(axis.ScreenSpan(51, 55), std::pair(6, 6));
    EXPECT_EQ(axis.PictureOf(-1), -5);
    EXPECT_EQ(axis.PictureOf(10), 105);
    EXPECT_EQ(Fitted({800, 600}, {400, 400}), QSize(400, 300));
    EXPECT_EQ(Fitted({800, 600}, {1000, 300}), QSize(400, 300));
    EXPECT_EQ(Fitted({800, 600}, {0, 0}), QSize(1, 1));
}
