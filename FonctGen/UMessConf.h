// SPDX-License-Identifier: MIT
// The confirmation box: a one-line question and two buttons captioned "OUI" or "NON".
// A caller sets Label1 and the captions, shows it modally and reads Yes, No or Cancel.
#pragma once

#include "app/platform/Form.h"

#include <memory>

class QLabel;
class QPushButton;
namespace Ui {
class MessConf;
}

class TMessConf : public TForm {
    Q_OBJECT
public:
    explicit TMessConf(QWidget* parent = nullptr);
    ~TMessConf() override;

    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    void Button1Click();
    void Button2Click();
    // Sets the answer for Enter, O, N and Escape; the key then goes on to the focused button.
    void FormShortCut(int key);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ReponseDe(const QPushButton& bouton);

    std::unique_ptr<Ui::MessConf> ui;
};
