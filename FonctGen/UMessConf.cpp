// SPDX-License-Identifier: MIT
#include "FonctGen/UMessConf.h"

#include "app/platform/Form.h"
#include "app/platform/Guard.h"
#include "ui_UMessConf.h"

#include <QKeyEvent>

TMessConf::TMessConf(QWidget* parent) : TForm(parent), ui(std::make_unique<Ui::MessConf>()) {
    ui->setupUi(this);
    // No system menu and no close box: only the answers end the box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    Label1 = ui->Label1;
    Button1 = ui->Button1;
    Button2 = ui->Button2;
    connect(Button1, &QPushButton::clicked, this, Guarded(this, &TMessConf::Button1Click));
    connect(Button2, &QPushButton::clicked, this, Guarded(this, &TMessConf::Button2Click));
    // The buttons see keys before their own handling, so that the focused button's click,
    // which follows, has the last word.
    Button1->installEventFilter(this);
    Button2->installEventFilter(this);
}

TMessConf::~TMessConf() = default;

void TMessConf::Button1Click() {
    ReponseDe(*Button1);
}

void TMessConf::Button2Click() {
    ReponseDe(*Button2);
}

// Captions are compared exactly; any other caption answers nothing.
void TMessConf::ReponseDe(const QPushButton& bouton) {
    if (bouton.text() == "OUI") {
        SetModalResult(mrYes);
    }
    if (bouton.text() == "NON") {
        SetModalResult(mrNo);
    }
}

void TMessConf::FormShortCut(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_O:
        SetModalResult(mrYes);
        break;
    case Qt::Key_N:
        SetModalResult(mrNo);
        break;
    case Qt::Key_Escape:
        SetModalResult(mrCancel);
        break;
    default:
        break;
    }
}

// Every showing starts on Button1, which Enter then presses.
void TMessConf::showEvent(QShowEvent* event) {
    TForm::showEvent(event);
    Button1->setFocus();
}

bool TMessConf::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        Guard([this, key] { FormShortCut(key); });
    }
    return TForm::eventFilter(watched, event);
}

// Keys reach the window itself only when no button has the focus; those that a button
// passes on were already seen by the filter.
void TMessConf::keyPressEvent(QKeyEvent* event) {
    if (!focusWidget()) {
        Guard([this, event] { FormShortCut(event->key()); });
    }
    TForm::keyPressEvent(event);
}
