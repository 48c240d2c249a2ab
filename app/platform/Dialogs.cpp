// SPDX-License-Identifier: MIT
#include "app/platform/Dialogs.h"

#include "app/platform/Types.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

class QtMessagePresenter : public IMessagePresenter {
public:
    int Present(const QString& message, TMsgDlgType type, TMsgDlgButtons buttons,
                int /*helpContext*/) override {
        const bool error = type == TMsgDlgType::mtError;
        QMessageBox box(error ? QMessageBox::Critical : QMessageBox::Warning,
                        error ? QStringLiteral("Erreur") : QStringLiteral("Avertissement"), message,
                        QMessageBox::NoButton, QApplication::activeWindow());
        QPushButton* ok = box.addButton(QMessageBox::Ok);
        ok->setText(QStringLiteral("OK"));
        if (buttons == TMsgDlgButtons::mbOKCancel) {
            box.addButton(QMessageBox::Cancel)->setText(QStringLiteral("Annuler"));
        }
        box.setDefaultButton(ok);
        box.exec();
        return box.clickedButton() == ok || buttons == TMsgDlgButtons::mbOK ? mrOk : mrCancel;
    }
};

std::unique_ptr<IMessagePresenter>& Presenter() {
    static std::unique_ptr<IMessagePresenter> presenter = std::make_unique<QtMessagePresenter>();
    return presenter;
}

} // namespace

int MessageDlg(const QString& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext) {
    return Presenter()->Present(message, type, buttons, helpContext);
}

void SetMessagePresenter(std::unique_ptr<IMessagePresenter> presenter) {
    Presenter() = presenter ? std::move(presenter) : std::make_unique<QtMessagePresenter>();
}
