// SPDX-License-Identifier: MIT
#include "support/Coquille.h"
#include "windows/About.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

TEST(AboutTest, FixedLayoutScaledFromItsDesignResolution) {
    TAboutBox boite;
    EXPECT_EQ(boite.windowTitle(), "A propos");
    EXPECT_EQ(boite.size(), QSize(294, 214));
    EXPECT_EQ(boite.minimumSize(), boite.maximumSize());
    EXPECT_FALSE(boite.windowFlags() & Qt::WindowMaximizeButtonHint);
    auto* panneau = boite.findChild<QFrame*>("Panel1");
    EXPECT_EQ(panneau->geometry(), QRect(8, 8, 277, 158));
    EXPECT_EQ(panneau->frameShadow(), QFrame::Sunken);
    EXPECT_TRUE(boite.findChild<QLabel*>("ProgramIcon")->pixmap().isNull());
    QStringList textes;
    for (const char* nom : {"ProductName", "Version", "Copyright", "Comments"}) {
        textes << boite.findChild<QLabel*>(nom)->text();
    }
    EXPECT_EQ(textes, QStringList({"Nom du produit", "Version", "Copyright", "Commentaires"}));
    auto* ok = boite.findChild<QPushButton*>("OKButton");
    EXPECT_EQ(ok->geometry(), QRect(118, 175, 64, 33));
    EXPECT_TRUE(ok->isDefault());
}

TEST(AboutTest, CentredOnTheScreenAndClosedByEnterOrOK) {
    TAboutBox boite;
    boite.move(0, 0);
    QuandVisible(boite, [&] {
        EXPECT_EQ(boite.frameGeometry().center(), boite.screen()->geometry().center());
        EXPECT_TRUE(QTest::qWaitForWindowActive(&boite));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (boite.isVisible()) {
            boite.SetModalResult(mrCancel);
        }
    });
    EXPECT_EQ(boite.ShowModal(), mrOk);

    QuandVisible(boite, [&] {
        QTest::mouseClick(boite.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    });
    EXPECT_EQ(boite.ShowModal(), mrOk);
}

} // namespace
