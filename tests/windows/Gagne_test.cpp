// SPDX-License-Identifier: MIT
#include "windows/Gagne.h"

#include "app/platform/Color.h"
#include "app/platform/Form.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs the window modally for real; during its loop, act() runs and then the window is
// ended with -1 if act() did not end it.
int ShowModalAndDo(TBravo& bravo, const std::function<void()>& act, int after = 1100) {
    QTimer::singleShot(after, &bravo, [&] { // by default once it answers presses
        act();
        if (bravo.isVisible()) {
            bravo.done(-1);
        }
    });
    return bravo.ShowModal();
}

quint32 Champ32(const QByteArray& data, int offset) {
    return qFromLittleEndian<quint32>(data.constData() + offset);
}

quint16 Champ16(const QByteArray& data, int offset) {
    return qFromLittleEndian<quint16>(data.constData() + offset);
}

} // namespace

// The buttons, the close box, and the keys: Return, the keypad's Enter or Space play again, Escape
// is the close box; clicks elsewhere and other keys leave it open, and the buttons never take the
// focus.
TEST(GagneTest, OnlyTheTwoButtonsTheirKeysOrAClosingEndIt) {
    TBravo bravo;
    EXPECT_EQ(ShowModalAndDo(bravo, [&] { QTest::mouseClick(bravo.bJeu, Qt::LeftButton); }), mrYes);
    EXPECT_EQ(ShowModalAndDo(bravo, [&] { QTest::mouseClick(bravo.bSortie, Qt::LeftButton); }),
              mrNo);
    EXPECT_EQ(ShowModalAndDo(bravo, [&] { bravo.close(); }), mrCancel);

    QWidget* focus = nullptr;
    // Keys go where the focus is, as a keyboard's would.
    const auto touche = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        focus = QApplication::focusWidget() ? QApplication::focusWidget() : focus;
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &bravo, key,
                        modifiers);
    };
    bool resteOuverte = false;
    const int reponse = ShowModalAndDo(bravo, [&] {
        if (!QTest::qWaitForWindowActive(&bravo)) {
            return;
        }
        QTest::mouseClick(&bravo, Qt::LeftButton, {}, QPoint(200, 40));  // on "Gagné"
        QTest::mouseClick(&bravo, Qt::LeftButton, {}, QPoint(180, 150)); // on the background
        touche(Qt::Key_Tab);
        touche(Qt::Key_A);
        resteOuverte = bravo.isVisible();
        touche(Qt::Key_Space);
    });
    EXPECT_TRUE(resteOuverte);
    EXPECT_EQ(reponse, mrYes);
    EXPECT_EQ(ShowModalAndDo(bravo, [&] { touche(Qt::Key_Escape); }), mrCancel);
    EXPECT_EQ(ShowModalAndDo(bravo, [&] { touche(Qt::Key_Return); }), mrYes);
    EXPECT_EQ(ShowModalAndDo(bravo, [&] { touche(Qt::Key_Enter, Qt::KeypadModifier); }), mrYes);
    // A child still clicking or holding a key as it appears: deaf for a second, and to repeats.
    const auto tardifs = [&] {
        QTest::mouseClick(bravo.bSortie, Qt::LeftButton);
        QTest::mousePress(bravo.bJeu, Qt::LeftButton);
        touche(Qt::Key_Return);
        QTest::qWait(1100);
        QTest::mouseRelease(bravo.bJeu, Qt::LeftButton);
        QKeyEvent repetition(QEvent::KeyPress, Qt::Key_Space, {}, " ", true);
        QApplication::sendEvent(&bravo, &repetition);
    };
    EXPECT_EQ(ShowModalAndDo(bravo, tardifs, 0), -1);
    EXPECT_NE(focus, bravo.bJeu);
    EXPECT_NE(focus, bravo.bSortie);
}

TEST(GagneTest, BorderlessSkyBlueWindowWithHandCursor) {
    TBravo bravo;
    EXPECT_TRUE(bravo.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(bravo.size(), QSize(374, 196));
    EXPECT_EQ(bravo.grab().toImage().pixel(4, 4) & 0xFFFFFFu, RGB(166, 202, 240));
    EXPECT_EQ(bravo.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(bravo.bJeu->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(bravo.bJeu->geometry(), QRect(32, 112, 64, 64));
    EXPECT_EQ(bravo.bSortie->geometry(), QRect(272, 112, 64, 64));
}

TEST(GagneTest, GlyphsAre64x64TrueColourBitmapsWithTheirBackgroundTransparent) {
    TBravo bravo;
    const struct {
        const char* ressource;
        QToolButton* bouton;
        QRgb fond;
    } glyphes[] = {{":/Gagne/Rejouer.bmp", bravo.bJeu, qRgb(255, 255, 255)},
                   {":/Gagne/Sortie.bmp", bravo.bSortie, qRgb(212, 208, 200)}};
    for (const auto& glyphe : glyphes) {
        SCOPED_TRACE(glyphe.ressource);
        QFile fichier(glyphe.ressource);
        ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
        const QByteArray data = fichier.readAll();
        ASSERT_EQ(data.size(), 12342);
        EXPECT_TRUE(data.startsWith("BM"));
        EXPECT_EQ(Champ32(data, 10), 54u);                             // pixels follow the headers
        EXPECT_EQ(Champ32(data, 18), 64u);                             // width
        EXPECT_EQ(Champ32(data, 22), 64u);                             // height > 0: bottom-up
        EXPECT_EQ(Champ16(data, 28), 24);                              // bits per pixel
        EXPECT_EQ(Champ32(data, 30), 0u);                              // uncompressed
        EXPECT_EQ(QImage(glyphe.ressource).pixel(0, 63), glyphe.fond); // lower left

        const QImage icone = glyphe.bouton->icon().pixmap(64, 64).toImage();
        EXPECT_EQ(qAlpha(icone.pixel(0, 63)), 0);
        EXPECT_EQ(qAlpha(icone.pixel(32, 32)), 255);
    }
}
