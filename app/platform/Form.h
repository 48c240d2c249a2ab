// SPDX-License-Identifier: MIT
#pragma once

#include "app/platform/Keys.h"

#include <QDialog>
#include <functional>
#include <memory>

// Standard answers of modal windows.
constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrYes = 6;
constexpr int mrNo = 7;

// A secondary window: shown modally with a standard answer (mrOk, mrCancel, mrYes, mrNo) or
// non-modally with Show(). Closing it by its close box or the platform answers mrCancel. It is
// never maximised, and minimised only along with the main window: some window managers offer
// both for every dialog, whatever its border icons, and a modal window minimised alone would
// leave the game frozen.
class TForm : public QDialog {
    Q_OBJECT
public:
    explicit TForm(QWidget* parent = nullptr);

    // Runs the window modally (through the modal-window answerer) and returns its answer.
    int ShowModal();
    // A non-zero answer ends the modal showing and hides the window.
    void SetModalResult(int result);
    int ModalResult() const { return modalResult_; }

    // Runs for the keys that reach the window itself: those its focused control, if any, did
    // not take (not a preview of every key), and pressed since the window was last shown. A key
    // it sets to 0 goes no further.
    std::function<void(WORD& Key, TShiftState)> OnKeyDown;
    TKeyRepeats KeyRepeats; // which presses of a key reach OnKeyDown

    void Show() { show(); }
    void Hide() { hide(); }
    bool Visible() const { return isVisible(); }

    void reject() override;
    void done(int result) override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    int modalResult_ = 0;
};

// The program's main window, which every shown TForm belongs to: it stays above that window
// and has no entry of its own in task lists. nullptr: none.
void SetMainForm(QWidget* form);

// Seam: who answers modal windows (the window's own event loop by default).
class IModalAnswerer {
public:
    virtual ~IModalAnswerer() = default;
    virtual int ShowModal(TForm& form) = 0;
};

// Installs answerer; nullptr restores the default.
void SetModalAnswerer(std::unique_ptr<IModalAnswerer> answerer);
