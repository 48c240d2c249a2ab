// SPDX-License-Identifier: MIT
#include "app/platform/ScaledAxis.h"

#include <algorithm>
#include <gtest/gtest.h>

TEST(ScaledAxis, ALineOnOrNearTheFarEdgeIsKeptShrunkAndNoThickerEnlarged) {
    for (const int screen : {81, 306, 459, 1939, 2552}) {
        for (const int picture : {1021, 1023}) {
            const std::vector<int> t = ScaledAxis(picture, screen, {1020}).Table();
            EXPECT_EQ(std::count(t.begin(), t.end(), 1020), std::max(1, screen / picture))
                << screen;
        }
    }
}
