// SPDX-License-Identifier: MIT
#include "app/platform/Keys.h"

#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Right arrow's events at given instants; each answer counted, taking `duree` ms.
struct Fleche {
    TKeyRepeats repeats;
    int duree = 0;

    bool Appui(quint64 at, bool repetition = false) {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_Right, {}, {}, repetition);
        event.setTimestamp(at);
        return repeats.Answer(event, VK_RIGHT, [this] { QTest::qSleep(duree); });
    }
    void Relache(quint64 at, bool repetition = false) {
        QKeyEvent event(QEvent::KeyRelease, Qt::Key_Right, {}, {}, repetition);
        event.setTimestamp(at);
        repeats.Released(event, VK_RIGHT);
    }
    // The window system's repeat: a release and a press at one instant.
    bool Repetition(quint64 at, bool marquee) {
        Relache(at, marquee);
        return Appui(at, marquee);
    }
};

} // namespace

// A key down before the answers began is ignored until released, its repeats told by their mark
// or, unmarked, by their press at the instant of the release; a key pressed since repeats.
TEST(KeyRepeats, AKeyHeldSinceBeforeIsIgnoredUntilReleasedHoweverItsRepeatsAreMarked) {
    Fleche fleche;
    EXPECT_FALSE(fleche.Appui(100, true));
    EXPECT_FALSE(fleche.Repetition(150, false));
    fleche.Relache(200);
    EXPECT_TRUE(fleche.Appui(260));
    EXPECT_TRUE(fleche.Repetition(900, false));
    EXPECT_TRUE(fleche.Repetition(950, true));

    fleche.repeats.IgnoreHeldKeys();
    EXPECT_FALSE(fleche.Repetition(1000, false));
    EXPECT_FALSE(fleche.Appui(1050, true));
    fleche.Relache(1100);
    EXPECT_TRUE(fleche.Appui(1200));

    fleche.repeats.Once = {VK_RIGHT};
    EXPECT_FALSE(fleche.Repetition(1900, false));
}

// Repeats made while an answer ran are dropped; those stamped with their press's time (a
// toolkit's own repeats) tell nothing by it and are answered.
TEST(KeyRepeats, RepeatsMadeDuringAnAnswerAreDroppedUnlessStampedWithThePress) {
    Fleche fleche;
    fleche.duree = 150;
    EXPECT_TRUE(fleche.Appui(1000));
    EXPECT_FALSE(fleche.Repetition(1100, true));
    EXPECT_TRUE(fleche.Repetition(1500, true));

    fleche.Relache(1700);
    EXPECT_TRUE(fleche.Appui(5000));
    EXPECT_TRUE(fleche.Repetition(5000, true));
    EXPECT_TRUE(fleche.Repetition(5000, true));
}
