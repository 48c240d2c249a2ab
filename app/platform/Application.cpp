// SPDX-License-Identifier: MIT
#include "app/platform/Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

QString& StoredTitle() {
    static QString title;
    return title;
}

QString& StoredHelpFile() {
    static QString helpFile;
    return helpFile;
}

} // namespace

namespace Application {

void SetTitle(const QString& title) {
    StoredTitle() = title;
    // Not the display name: Qt would append it to every window's caption.
    QCoreApplication::setApplicationName(title);
}

QString Title() {
    return StoredTitle();
}

void SetHelpFile(const QString& helpFile) {
    StoredHelpFile() = helpFile;
}

QString HelpFile() {
    return StoredHelpFile();
}

std::string ExeName() {
    return QCoreApplication::applicationFilePath().toStdString();
}

void ProcessMessages() {
    QCoreApplication::processEvents();
}

void LoadFrenchTranslation(QApplication& app) {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    // Owned by the application: it must live as long as the texts it translates.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(translator);
    } else {
        delete translator;
    }
}

} // namespace Application
