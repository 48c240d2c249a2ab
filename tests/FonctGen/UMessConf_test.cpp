// SPDX-License-Identifier: MIT
#include "FonctGen/UMessConf.h"
#include "support/Coquille.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

class UMessConfTest : public ::testing::Test {
protected:
    // Shows the box with the two captions, presses key on the focused control, and returns
    // the answer; Cancel is forced afterwards so that a box left open does not hang the test.
    int Touche(const QString& legende1, const QString& legende2, Qt::Key touche,
               Qt::KeyboardModifiers modificateurs = {}) {
        boite.Button1->setText(legende1);
        boite.Button2->setText(legende2);
        QuandVisible(boite, [this, touche, modificateurs] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&boite));
            QWidget* cible = QApplication::focusWidget();
            EXPECT_EQ(cible, boite.Button1);
            QTest::keyClick(cible, touche, modificateurs);
            ouverteApres = boite.isVisible();
            if (ouverteApres) {
                boite.SetModalResult(mrCancel);
            }
        });
        return boite.ShowModal();
    }
    int Clic(QPushButton* bouton) {
        QuandVisible(boite, [this, bouton] {
            QTest::mouseClick(bouton, Qt::LeftButton);
            ouverteApres = boite.isVisible();
            if (ouverteApres) {
                boite.SetModalResult(mrCancel);
            }
        });
        return boite.ShowModal();
    }

    TMessConf boite;
    bool ouverteApres = false;
};

TEST_F(UMessConfTest, SmallFixedBoxWithoutCloseBox) {
    EXPECT_EQ(boite.size(), QSize(234, 47));
    EXPECT_EQ(boite.minimumSize(), boite.maximumSize());
    EXPECT_EQ(boite.windowTitle(), "MessConf");
    EXPECT_FALSE(boite.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(boite.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_EQ(boite.Label1->geometry(), QRect(8, 4, 217, 13));
    EXPECT_EQ(boite.Label1->minimumWidth(), 217);
    EXPECT_EQ(boite.Label1->maximumWidth(), 217);
    EXPECT_EQ(boite.Button1->geometry(), QRect(8, 24, 75, 20));
    EXPECT_EQ(boite.Button2->geometry(), QRect(150, 24, 75, 20));
    EXPECT_TRUE(boite.Button1->isDefault());
    EXPECT_EQ(boite.Button1->nextInFocusChain(), boite.Button2);
}

TEST_F(UMessConfTest, ButtonsAnswerFromTheirExactCaptions) {
    boite.Button1->setText("OUI");
    boite.Button2->setText("NON");
    EXPECT_EQ(Clic(boite.Button1), mrYes);
    EXPECT_EQ(Clic(boite.Button2), mrNo);
    boite.Button1->setText("NON");
    boite.Button2->setText("OUI");
    EXPECT_EQ(Clic(boite.Button2), mrYes);
    EXPECT_EQ(Clic(boite.Button1), mrNo);
    boite.Button1->setText("Oui");
    EXPECT_EQ(Clic(boite.Button1), mrCancel);
    EXPECT_TRUE(ouverteApres);
}

TEST_F(UMessConfTest, LettersAndEscapeAnswerWhateverTheCaptions) {
    EXPECT_EQ(Touche("Button1", "Button2", Qt::Key_O), mrYes);
    EXPECT_EQ(Touche("Button1", "Button2", Qt::Key_O, Qt::ShiftModifier), mrYes);
    EXPECT_EQ(Touche("NON", "OUI", Qt::Key_O), mrYes);
    EXPECT_EQ(Touche("Button1", "Button2", Qt::Key_N), mrNo);
    EXPECT_EQ(Touche("OUI", "NON", Qt::Key_N, Qt::ShiftModifier), mrNo);
    EXPECT_EQ(Touche("OUI", "NON", Qt::Key_Escape), mrCancel);
    EXPECT_FALSE(ouverteApres);
    EXPECT_EQ(Touche("OUI", "NON", Qt::Key_X), mrCancel);
    EXPECT_TRUE(ouverteApres);
}

TEST_F(UMessConfTest, EnterAnswersThenTheFocusedButtonHasTheLastWord) {
    EXPECT_EQ(Touche("OUI", "NON", Qt::Key_Return), mrYes);
    EXPECT_EQ(Touche("NON", "OUI", Qt::Key_Return), mrNo);
    EXPECT_EQ(Touche("NON", "OUI", Qt::Key_Enter), mrNo);
    EXPECT_EQ(Touche("Button1", "Button2", Qt::Key_Return), mrYes);
    EXPECT_FALSE(ouverteApres);
}

} // namespace
