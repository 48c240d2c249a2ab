// SPDX-License-Identifier: MIT
#include "windows/About.h"

#include "app/platform/Form.h"
#include "app/platform/Guard.h"
#include "ui_About.h"

#include <QScreen>
#include <QShowEvent>

TAboutBox::TAboutBox(QWidget* parent) : TForm(parent), ui(std::make_unique<Ui::AboutBox>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    connect(ui->OKButton, &QPushButton::clicked, this, Guarded(this, &TAboutBox::OKButtonClick));
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::showEvent(QShowEvent* event) {
    TForm::showEvent(event);
    if (event->spontaneous()) {
        return;
    }
    QRect cadre = frameGeometry();
    cadre.moveCenter(screen()->geometry().center());
    move(cadre.topLeft());
    ui->OKButton->setFocus();
}

void TAboutBox::OKButtonClick() {
    SetModalResult(mrOk);
}
