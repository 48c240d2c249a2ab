// SPDX-License-Identifier: MIT
#include "app/platform/Keys.h"

#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

// A key held since before is ignored until pressed again, its repeats told by their mark or,
// unmarked, by a press at the instant of the release. A repeat made while an answer ran is
// dropped, unless it bears its press's time, which then tells nothing.
TEST(KeyRepeats, AKeyCountsFromItsPressWhateverTheMarkOfItsRepeats) {
    TKeyRepeats fleche;
    const auto evenement = [&](QEvent::Type type, quint64 at, bool marque) {
        QKeyEvent event(type, Qt::Key_Right, {}, {}, marque);
        event.setTimestamp(at);
        if (type == QEvent::KeyRelease) {
            fleche.Released(event, VK_RIGHT);
            return false;
        }
        return fleche.Answer(event, VK_RIGHT, [] { QTest::qSleep(100); });
    };
    const auto repetition = [&](quint64 at, bool marque) {
        evenement(QEvent::KeyRelease, at, marque);
        return evenement(QEvent::KeyPress, at, marque);
    };
    EXPECT_FALSE(repetition(100, true));
    EXPECT_FALSE(repetition(150, false));
    evenement(QEvent::KeyRelease, 200, false);
    EXPECT_TRUE(evenement(QEvent::KeyPress, 5000, false));
    EXPECT_TRUE(repetition(5000, true));
    EXPECT_FALSE(repetition(5050, true));
    EXPECT_TRUE(repetition(5600, false));
    fleche.IgnoreHeldKeys();
    EXPECT_FALSE(repetition(5800, false));
}
