// SPDX-License-Identifier: MIT
#include "app/platform/Dialogs.h"
#include "app/platform/Form.h"
#include "app/platform/Frame.h"
#include "app/platform/Rect.h"
#include "support/Fakes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLocale>
#include <QMainWindow>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

struct Seen {
    QString title;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QRect outer; // with the frame it is placed for
};

// Answers the next message box by pressing the button whose text is `press`.
void AnswerNextBox(Seen& seen, const QString& press) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, &seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen.title = box->windowTitle();
        seen.icon = box->icon();
        seen.outer = QRect(box->pos(), box->size().grownBy(FrameOf(*box)));
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text();
        }
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == press) {
                button->click();
            }
        }
        timer->deleteLater();
    });
    timer->start(10);
}

TEST(DialogsTest, ShowsAFrenchWarningWithOkAndAnnuler) {
    Seen seen;
    AnswerNextBox(seen, "Annuler");
    EXPECT_EQ(MessageDlg("Attention", TMsgDlgType::mtWarning, TMsgDlgButtons::mbOKCancel, 0),
              mrCancel);
    EXPECT_EQ(seen.title, "Avertissement");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_TRUE(seen.buttons.contains("OK"));
    EXPECT_TRUE(seen.buttons.contains("Annuler"));

    Seen error;
    AnswerNextBox(error, "OK");
    EXPECT_EQ(MessageDlg("Perdu", TMsgDlgType::mtError, TMsgDlgButtons::mbOK, 0), mrOk);
    EXPECT_EQ(error.title, "Erreur");
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_EQ(error.buttons, QStringList{"OK"});
}

TEST(DialogsTest, CentredOnTheMainWindowAndKeptInTheWorkArea) {
    FakeWorkArea zone(Rect(0, 27, 1366, 768));
    QMainWindow principal;
    principal.setGeometry(100, 60, 800, 600);
    principal.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&principal));
    Seen centred;
    AnswerNextBox(centred, "OK");
    MessageDlg("Perdu", TMsgDlgType::mtError, TMsgDlgButtons::mbOK, 0);
    EXPECT_LE((centred.outer.center() - principal.frameGeometry().center()).manhattanLength(), 2);

    principal.move(1000, 500);
    Seen kept;
    AnswerNextBox(kept, "OK");
    MessageDlg("Perdu", TMsgDlgType::mtError, TMsgDlgButtons::mbOK, 0);
    EXPECT_EQ(kept.outer.bottomRight(), QPoint(1365, 767));
}

// French sizes and dates are longer than the English texts Qt sizes the columns for.
TEST(DialogsTest, TheFileListShowsFrenchSizesTypesAndDatesWhole) {
    struct EnFrancais {
        const QLocale avant;
        EnFrancais() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
        ~EnFrancais() { QLocale::setDefault(avant); }
    } enFrancais;
    DossierTemp dossier;
    ASSERT_TRUE(QFile("photo.jpg").open(QIODevice::WriteOnly));
    QFileDialog dialogue(nullptr, QString(), QDir::currentPath());
    dialogue.setOption(QFileDialog::DontUseNativeDialog);
    ListInProgramLocale(dialogue);
    dialogue.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogue));
    auto* liste = dialogue.findChild<QTreeView*>();
    ASSERT_NE(liste, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return liste->model()->rowCount(liste->rootIndex()) == 1; }));
    for (int colonne = 1; colonne <= 3; ++colonne) {
        EXPECT_GE(liste->header()->sectionSize(colonne),
                  static_cast<const QAbstractItemView*>(liste)->sizeHintForColumn(colonne))
            << colonne;
    }
}

} // namespace
