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

// The French catalogue has the names of file types (Folder, Drive...) only under the file
// dialog's context, where Qt 5 looked them up; Qt 6 looks them up under the icon provider's.
class ToolkitTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        QString text = QTranslator::translate(context, sourceText, disambiguation, n);
        if (text.isEmpty() && qstrcmp(context, "QAbstractFileIconProvider") == 0) {
            text = QTranslator::translate("QFileDialog", sourceText, disambiguation, n);
        }
        return text;
    }
};

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
    auto* translator = new ToolkitTranslator(&app);
    if (translator->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(translator);
    } else {
        delete translator;
    }
}

} // namespace Application
