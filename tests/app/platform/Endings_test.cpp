// SPDX-License-Identifier: MIT
#include "app/platform/Endings.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

// A process keeps its requests for life, so one case sees them all. A clock that reads 0 still
// makes a request arrive.
TEST(EndingsTest, OneRequestIsFirstOnEveryThreadAndLaterOnesWaitForItsPatience) {
    Endings::SetPatience(std::chrono::seconds(3));
    std::atomic<int> firsts{0};
    std::vector<std::thread> threads;
    for (int number = 1; number <= 8; ++number) {
        threads.emplace_back([&firsts, number] { firsts += Endings::First(number, 0) ? 1 : 0; });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(firsts, 1);
    const int first = Endings::Received();
    EXPECT_NE(first, 0);
    EXPECT_FALSE(Endings::First(9, 1'000'000'000));
    EXPECT_EQ(Endings::Received(), first);
    EXPECT_FALSE(Endings::PatienceOver(2'999'999'000));
    EXPECT_TRUE(Endings::PatienceOver(3'000'000'100));
}
