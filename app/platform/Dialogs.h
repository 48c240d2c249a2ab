// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <memory>

class QFileDialog;

enum class TMsgDlgType { mtError, mtWarning };
enum class TMsgDlgButtons { mbOK, mbOKCancel };

// Shows a modal message box; returns mrOk or mrCancel.
int MessageDlg(const QString& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext);

// Seam: who presents the message boxes (QMessageBox by default).
class IMessagePresenter {
public:
    virtual ~IMessagePresenter() = default;
    virtual int Present(const QString& message, TMsgDlgType type, TMsgDlgButtons buttons,
                        int helpContext) = 0;
};

// Installs presenter; nullptr restores the default.
void SetMessagePresenter(std::unique_ptr<IMessagePresenter> presenter);

// The toolkit's file dialog writes the sizes and dates of its list in the system's language:
// written in the program's instead, each column as wide as its texts.
void ListInProgramLocale(QFileDialog& dialog);
