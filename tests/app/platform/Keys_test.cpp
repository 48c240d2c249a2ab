// SPDX-License-Identifier: MIT
#include "app/platform/Keys.h"

#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

// A key held since before counts once pressed again, its repeats told by mark or by release;
// one made during an answer is dropped, unless stamped with its press (the stamp tells nothing).
TEST(KeysTest, AKeyCountsFromItsPressWhateverTheMarkOfItsRepeats) {
    TKeyRepeats fleche;
    const auto appui = [&](quint64 relache, quint64 at, bool marque) {
        QKeyEvent lache(QEvent::KeyRelease, Qt::Key_Right, {}, {}, marque);
        lache.setTimestamp(relache);
        fleche.Released(lache, VK_RIGHT);
        QKeyEvent event(QEvent::KeyPress, Qt::Key_Right, {}, {}, marque);
        event.setTimestamp(at);
        return fleche.Answer(event, VK_RIGHT, [] { QTest::qSleep(100); });
    };
    EXPECT_FALSE(appui(100, 100, true));
    EXPECT_FALSE(appui(150, 150, false));
    EXPECT_TRUE(appui(200, 5000, false));
    EXPECT_TRUE(appui(5000, 5000, true));
    EXPECT_FALSE(appui(5050, 5050, true));
    EXPECT_TRUE(appui(5600, 5600, false));
    fleche.IgnoreHeldKeys();
    EXPECT_FALSE(appui(5800, 5800, false));
}
