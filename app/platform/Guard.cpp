// SPDX-License-Identifier: MIT
#include "app/platform/Guard.h"

#include "app/platform/Dialogs.h"

#include <QString>
#include <exception>

namespace {

void Report(const QString& message) {
    try {
        MessageDlg(message, TMsgDlgType::mtError, TMsgDlgButtons::mbOK, 0);
    } catch (...) {
        // Nothing more can be done for an error box that fails; the event loop must go on.
    }
}

} // namespace

void Guard(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        Report(QString::fromUtf8(error.what()));
    } catch (...) {
        Report(QStringLiteral("Erreur inconnue"));
    }
}
