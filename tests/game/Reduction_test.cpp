// SPDX-License-Identifier: MIT
#include "game/Reduction.h"

#include <gtest/gtest.h>

namespace {

TEST(ReductionTailleFondTest, WidthRuleThenHeightRuleAtTheirBoundaries) {
    // 1024 x 4 / 3 = 1365.33, rounded 1365: not greater than 1365, greater than 1364.
    EXPECT_EQ(TailleFond(1024, 768, 1365, 2000, 50), (TailleImage{1024, 768}));
    EXPECT_EQ(TailleFond(1024, 768, 1364, 2000, 50), (TailleImage{1023, 767}));
    EXPECT_EQ(TailleFond(1600, 1200, 1280, 1024, 50), (TailleImage{960, 720}));
    EXPECT_EQ(TailleFond(800, 600, 1280, 1024, 50), (TailleImage{800, 600}));

    // The window's height: the picture's plus what the window adds, just fitting or not.
    EXPECT_EQ(TailleFond(800, 600, 1280, 650, 50), (TailleImage{800, 600}));
    EXPECT_EQ(TailleFond(800, 600, 1280, 649, 50), (TailleImage{798, 599}));
    // Both rules: from the picture's own size, its proportions kept.
    EXPECT_EQ(TailleFond(1600, 1200, 1280, 720, 50), (TailleImage{893, 670}));
    EXPECT_EQ(TailleFond(1024, 768, 1366, 741, 57), (TailleImage{912, 684}));

    // An unknown work area, or one no higher than what the window adds: the width rule only.
    EXPECT_EQ(TailleFond(1600, 1200, 0, 0, 50), (TailleImage{1600, 1200}));
    EXPECT_EQ(TailleFond(1600, 1200, 1280, 50, 50), (TailleImage{960, 720}));
    EXPECT_EQ(TailleFond(0, 0, 1280, 700, 50), (TailleImage{0, 0}));
}

// Cells of at least 48 x 36, on the axis where they are tightest, the other following the
// proportions; a board drawn smaller than that is shown as drawn.
TEST(ReductionTailleMinimaleTest, TheTightestCellsSetTheScale) {
    EXPECT_EQ(TailleMinimale(1024, 738), (TailleImage{240, 173}));
    EXPECT_EQ(TailleMinimale(1000, 200), (TailleImage{720, 144}));
    EXPECT_EQ(TailleMinimale(240, 144), (TailleImage{240, 144}));
    EXPECT_EQ(TailleMinimale(200, 100), (TailleImage{200, 100}));
    EXPECT_EQ(TailleMinimale(0, 0), (TailleImage{0, 0}));
}

} // namespace
