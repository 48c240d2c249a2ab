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

// The first and last lines too, and the table stays in order, which ScreenSpan relies on.
TEST(ScaledAxisTest, EveryLineIsShownShrunkAndAllAsThickEnlarged) {
    const std::vector<int> lines{0, 160, 320, 480, 640, 799};
    for (const int screen : {123, 333, 800, 1999}) {
        const std::vector<int> t = ScaledAxis(800, screen, lines).Table();
        EXPECT_TRUE(std::is_sorted(t.begin(), t.end())) << screen;
        for (const int line : lines) {
            EXPECT_EQ(std::count(t.begin(), t.end(), line), std::max(1, screen / 800))
                << screen << ", " << line;
        }
    }
}

// Ten screen pixels show every tenth picture pixel, the line 50 in place of 55; the scale goes
// on off the screen.
TEST(ScaledAxisTest, ScreenSpansHoldThePixelsShownAndPictureOfGoesOnOffTheScreen) {
    const ScaledAxis axis(100, 10, {50});
    EXPECT_EQ(axis.ScreenSpan(50, 51), std::pair(5, 6));
    EXPECT_EQ(axis.ScreenSpan(51, 55), std::pair(6, 6));
    EXPECT_EQ(axis.ScreenSpan(0, 100), std::pair(0, 10));
    EXPECT_EQ(axis.PictureOf(-1), -5);
    EXPECT_EQ(axis.PictureOf(10), 105);
}

TEST(ScaledAxisTest, FittedKeepsTheProportionsWithinTheBoxAndAtLeastOnePixel) {
    EXPECT_EQ(Fitted({800, 600}, {400, 400}), QSize(400, 300));
    EXPECT_EQ(Fitted({800, 600}, {1000, 300}), QSize(400, 300));
    EXPECT_EQ(Fitted({1000, 1}, {100, 100}), QSize(100, 1));
    EXPECT_EQ(Fitted({800, 600}, {0, 0}), QSize(1, 1));
}
