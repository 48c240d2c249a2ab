// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <memory>

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
