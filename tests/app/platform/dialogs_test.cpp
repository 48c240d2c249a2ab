// SPDX-License-Identifier: MIT
#include "app/platform/Application.h"
#include "app/platform/Dialogs.h"
#include "app/platform/Guard.h"
#include "app/platform/Types.h"
#include "support/Fakes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct Seen {
    QString title;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
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

TEST(MessageDlg, ShowsAFrenchWarningWithOkAndAnnuler) {
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

TEST(Guard, ShowsOneErrorPerFailureAndCarriesOn) {
    FakeMessages messages;
    messages.answer = mrCancel;
    bool after = false;
    Guard([] { throw std::runtime_error("Erreur JPEG #42"); });
    Guard([] { throw 1; });
    Guard([&] { after = true; });
    EXPECT_TRUE(after);
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].text, "Erreur JPEG #42");
    EXPECT_EQ(messages.messages[0].type, TMsgDlgType::mtError);
    EXPECT_EQ(messages.messages[1].text, "Erreur inconnue");
}

TEST(Application, KeepsTitleHelpFileAndLoadsFrenchForTheToolkit) {
    Application::SetTitle("Kornibelle");
    Application::SetHelpFile("KORNIBELLE.HLP");
    EXPECT_EQ(Application::Title(), "Kornibelle");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Kornibelle");
    EXPECT_EQ(Application::HelpFile(), "KORNIBELLE.HLP");
    EXPECT_EQ(Application::ExeName(), QCoreApplication::applicationFilePath().toStdString());

    const QLocale previous;
    Application::LoadFrenchTranslation(*qApp);
    EXPECT_EQ(QLocale().language(), QLocale::French);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annuler");
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(previous);
}

} // namespace
