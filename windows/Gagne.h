// SPDX-License-Identifier: MIT
// The won window: asks whether to play again (mrYes) or leave (mrNo); mrCancel when it is
// closed any other way. Its buttons take no keyboard focus: Return and Space play again,
// Escape answers as the close box does. It reads and writes nothing of the main window.
// It answers only what is done on purpose once it is shown: a key held since before never
// (until pressed again), presses of its buttons and keys not during its first second (a
// child's burst of clicks or a key pressed during the winning sound would end the game unseen).
#pragma once

#include "app/platform/Form.h"
#include "app/platform/Keys.h"

#include <QElapsedTimer>
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

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool TropTot() const;

    std::unique_ptr<Ui::Bravo> ui;
    QElapsedTimer montree_; // since the window was last shown
};
