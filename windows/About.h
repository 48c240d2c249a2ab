// SPDX-License-Identifier: MIT
// The about box: a fixed layout, shown modally, centred on the screen.
#pragma once

#include "app/platform/Form.h"

#include <memory>

namespace Ui {
class AboutBox;
}

class TAboutBox : public TForm {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OKButtonClick();

    std::unique_ptr<Ui::AboutBox> ui;
};
