// SPDX-License-Identifier: MIT
#include "app/platform/Frame.h"
#include "app/platform/Screen.h"

#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

TEST(FrameWorkAreaTest, ScaledPixelsStayInsideTheTrueWorkAreaAndTheScreen) {
    const QRect ecran(0, 0, 1280, 800);
    EXPECT_EQ(WorkAreaWithin(QRect(0, 27, 1366, 741), QRect(0, 0, 1366, 768), 1.0),
              Rect(0, 27, 1366, 768));
    // 2560 x 1600 at scale 2, a panel 27 pixels high at the top: rounded to 0, 14, 1280 x 787.
    EXPECT_EQ(WorkAreaWithin(QRect(0, 14, 1280, 787), ecran, 2.0), Rect(0, 14, 1280, 800));
    // At the bottom: 0, 0, 1280 x 787, which overlaps the panel's first row.
    EXPECT_EQ(WorkAreaWithin(QRect(0, 0, 1280, 787), ecran, 2.0), Rect(0, 0, 1280, 786));
}

TEST(FrameTest, TheEstimateHoldsUntilTheWindowIsOnTheScreenThenTheTrueFrameIsReported) {
    QWidget fenetre;
    WindowFrame cadre(fenetre);
    int changes = 0;
    cadre.OnChange = [&] { ++changes; };
    EXPECT_FALSE(cadre.Known());
    EXPECT_EQ(cadre.Margins(), EstimatedFrame(fenetre));
    EXPECT_GE(cadre.Margins().top(), 30);
    EXPECT_EQ(EstimatedFrame(QWidget(nullptr, Qt::FramelessWindowHint)), QMargins());
    fenetre.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return cadre.Known(); }));
    EXPECT_EQ(cadre.Margins(), fenetre.windowHandle()->frameMargins());
    EXPECT_NE(cadre.Margins(), EstimatedFrame(fenetre));
    EXPECT_EQ(changes, 1);

    // Shown again with the same frame: nothing to report.
    fenetre.hide();
    fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
    fenetre.move(40, 40);
    QTest::qWait(20);
    EXPECT_EQ(changes, 1);
}
