// SPDX-License-Identifier: MIT
#include "app/platform/Form.h"

#include "app/platform/Guard.h"

#include <QGuiApplication>
#include <QKeyEvent>
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

// Qt's X11 platform reads a window's type from this property of its QWindow, and applies it
// with its flags. A tool bar keeps its title and close box, but window managers neither
// minimise nor maximise one.
constexpr char TypeFenetreX11[] = "_q_xcb_wm_window_type";
constexpr int BarreOutils = 0x8;

void NiReduiteNiAgrandie(QWindow& fenetre) {
    if (QGuiApplication::platformName() != "xcb" || fenetre.property(TypeFenetreX11).isValid()) {
        return;
    }
    fenetre.setProperty(TypeFenetreX11, BarreOutils);
    const Qt::WindowFlags flags = fenetre.flags();
    fenetre.setFlags(flags ^ Qt::WindowDoesNotAcceptFocus);
    fenetre.setFlags(flags);
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

// Created but not yet mapped: the window manager reads the type at the mapping.
bool TForm::event(QEvent* event) {
    if (event->type() == QEvent::Show) {
        KeyRepeats.IgnoreHeldKeys();
        if (windowHandle()) {
            NiReduiteNiAgrandie(*windowHandle());
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

void SetModalAnswerer(std::unique_ptr<IModalAnswerer> answerer) {
    Answerer() = answerer ? std::move(answerer) : std::make_unique<ExecModalAnswerer>();
}

#include "moc_Form.cpp"
