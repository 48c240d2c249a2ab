// SPDX-License-Identifier: MIT
#include <QGuiApplication>
#include <gtest/gtest.h>

TEST(Environment, RunsOffscreen) {
    EXPECT_EQ(QGuiApplication::platformName(), "offscreen");
}
