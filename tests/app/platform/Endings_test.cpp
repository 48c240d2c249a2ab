// SPDX-License-Identifier: MIT
#include "app/platform/Endings.h"

#include <gtest/gtest.h>

// A process keeps its requests for life, so one case sees them all. A clock that reads 0 still
// makes a request arrive.
TEST(EndingsTest, TheFirstRequestIsKeptAndLaterOnesWaitForItsPatience) {
    Endings::SetPatience(std::chrono::seconds(3));
    EXPECT_EQ(Endings::Received(), 0);
    EXPECT_TRUE(Endings::First(5, 0));
    EXPECT_FALSE(Endings::First(9, 1'000'000'000));
    EXPECT_EQ(Endings::Received(), 5);
    EXPECT_FALSE(Endings::PatienceOver(2'999'999'000));
    EXPECT_TRUE(Endings::PatienceOver(3'000'000'100));
}
