// SPDX-License-Identifier: MIT
#include "app/platform/Screen.h"
#include "support/Fakes.h"

#include <QBitmap>
#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(ScreenTest, WorkAreaComesFromTheSeamAndTheBlankCursorIsTransparent) {
    {
        FakeWorkArea fake(Rect(10, 20, 810, 620));
        EXPECT_EQ(WorkArea(), Rect(10, 20, 810, 620));
    }
    EXPECT_GT(WorkArea().Width(), 0);
    const QCursor& cursor = crVide();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(0, 0));
    EXPECT_EQ(cursor.bitmap().size(), QSize(32, 32));
    const QImage mask = cursor.mask().toImage().convertToFormat(QImage::Format_Mono);
    EXPECT_EQ(mask.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            ASSERT_EQ(mask.pixelIndex(x, y), 0) << x << "," << y;
        }
    }
}

} // namespace
