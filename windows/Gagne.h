// SPDX-License-Identifier: MIT
// The won window: asks whether to play again (mrYes) or leave (mrNo); mrCancel when it is
// closed any other way. Its buttons take no keyboard focus: Return and Space play again,
// Escape answers as the close box does. It reads and writes nothing of the main window.
#pragma once

#include "app/platform/Form.h"
#include "app/platform/Keys.h"

#include <memory>

class QToolButton;
namespace Ui {
class Bravo;
}

class TBravo : public TForm {
    Q_OBJECT
public:
    explicit TBravo(QWidget* parent = nullptr);
    ~TBravo() override;

    QToolButton* bJeu = nullptr;
    QToolButton* bSortie = nullptr;

    void bJeuClick();
    void bSortieClick();
    void FormKeyDown(WORD& Key, TShiftState Shift);

private:
    std::unique_ptr<Ui::Bravo> ui;
};
