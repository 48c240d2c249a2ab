// SPDX-License-Identifier: MIT
#include "app/platform/Application.h"

#include <QApplication>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

TEST(ApplicationTest, KeepsTitleHelpFileAndLoadsFrenchForTheToolkit) {
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
    // The type column of the file dialogs.
    EXPECT_EQ(QFileIconProvider().type(QFileInfo(QDir::tempPath())), "Dossier");
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(previous);
}

} // namespace
