// SPDX-License-Identifier: MIT
#include "game/BltBitmap.h"

#include <gtest/gtest.h>

namespace {

TEST(BltBitmapTest, InitTailleTakesTheSizeAndFillsWithTheFrameColour) {
    TBitmap modele;
    modele.SetSize(7, 5);
    TBltBitmap bitmap;
    bitmap.Assign(QImage(3, 3, QImage::Format_RGB32));
    bitmap.Image().fill(Qt::white);
    bitmap.InitTaille(modele);
    ASSERT_EQ(bitmap.Width(), 7);
    ASSERT_EQ(bitmap.Height(), 5);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) {
            EXPECT_EQ(bitmap.Canvas().Pixel(x, y), clWindowFrame);
        }
    }
}

TEST(BltBitmapTest, EffaceNoirBlackensEverythingAndLeavesPlainCopy) {
    TBitmap bitmap;
    QImage blanc(9, 4, QImage::Format_RGB32);
    blanc.fill(Qt::white);
    bitmap.Assign(blanc);
    bitmap.Canvas().CopyMode = TCopyMode::SRCINVERT;
    EffaceNoir(bitmap);
    EXPECT_EQ(bitmap.Canvas().CopyMode, TCopyMode::SRCCOPY);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 9; ++x) {
            EXPECT_EQ(bitmap.Canvas().Pixel(x, y), clBlack);
        }
    }
}

} // namespace
