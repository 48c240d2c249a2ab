// SPDX-License-Identifier: MIT
#include "app/platform/Form.h"

#include "app/platform/Guard.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWindow>

namespace {

class ExecModalAnswerer : public IModalAnswerer {
public:
    int ShowModal(TForm& form) override {
        form.SetModalResult(mrNone);
        return form.exec();
    }
};

std::unique_ptr<IModalAnswerer>& Answerer() {
    static std::unique_ptr<IModalAnswerer> answerer = std::make_unique<ExecModalAnswerer>();
    return answerer;
}

QPointer<QWidget>& MainForm() {
    static QPointer<QWidget> mainForm;
    return mainForm;
}

// Qt's X11 platform reads window types from this property of a QWindow and announces them
// before the one its flags give (a dialog); window managers take the first they know. They
// keep the title and close box of both types below. A utility window is modal and focused as a
// dialog is, and no window manager maximises one of fixed size; some minimise it, with the
// window it belongs to. A tool bar is neither minimised nor maximised, resizable or not, but
// is not treated as modal: the type of a window that never takes the focus.
constexpr char kX11WindowType[] = "_q_xcb_wm_window_type";
constexpr int kToolBarType = 0x8;
constexpr int kUtilityType = 0x20;

void NeitherMinimisedNorMaximised(QWindow& window) {
    if (QGuiApplication::platformName() != "xcb" || window.property(kX11WindowType).isValid()) {
        return;
    }
    const bool noFocus = window.flags().testFlag(Qt::WindowDoesNotAcceptFocus);
    window.setProperty(kX11WindowType, noFocus ? kToolBarType : kUtilityType);
    const Qt::WindowFlags flags = window.flags();
    window.setFlags(flags ^ Qt::WindowDoesNotAcceptFocus);
    window.setFlags(flags);
}

// Owned by the main window, a window stays above it, and task lists show the main window
// alone, whatever the window manager. Without it Qt makes a modal window transient for the
// whole program, which task lists take for a window of its own.
void BelongToMainForm(QWindow& window) {
    const QWidget* mainForm = MainForm();
    if (mainForm && mainForm->windowHandle() && mainForm->windowHandle() != &window) {
        window.setTransientParent(mainForm->windowHandle());
    }
}

} // namespace

TForm::TForm(QWidget* parent) : QDialog(parent) {}

int TForm::ShowModal() {
    return Answerer()->ShowModal(*this);
}

void TForm::SetModalResult(int result) {
    if (result == mrNone) {
        modalResult_ = mrNone;
        return;
    }
    done(result);
}

void TForm::done(int result) {
    modalResult_ = result;
    QDialog::done(result);
}

void TForm::reject() {
    done(mrCancel);
}

// Shown: a key already down counts only once pressed again. Created but not yet mapped: the
// window manager reads the type at the mapping.
bool TForm::event(QEvent* event) {
    if (event->type() == QEvent::Show) {
        KeyRepeats.IgnoreHeldKeys();
        if (windowHandle()) {
            NeitherMinimisedNorMaximised(*windowHandle());
            BelongToMainForm(*windowHandle());
        }
    }
    return QDialog::event(event);
}

void TForm::keyPressEvent(QKeyEvent* event) {
    WORD key = VirtualKey(*event);
    if (OnKeyDown && key != 0) {
        const bool answered = KeyRepeats.Answer(
            *event, key, [&] { Guard([&] { OnKeyDown(key, ShiftOf(*event)); }); });
        if (!answered || key == 0) {
            return;
        }
    }
    // Escape closes a window only through a Cancel button of its own.
    if (event->matches(QKeySequence::Cancel)) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm::keyReleaseEvent(QKeyEvent* event) {
    KeyRepeats.Released(*event, VirtualKey(*event));
    QDialog::keyReleaseEvent(event);
}

void SetMainForm(QWidget* form) {
    MainForm() = form;
}

void SetModalAnswerer(std::unique_ptr<IModalAnswerer> answerer) {
    Answerer() = answerer ? std::move(answerer) : std::make_unique<ExecModalAnswerer>();
}

#include "moc_Form.cpp"
