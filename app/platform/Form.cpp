// SPDX-License-Identifier: MIT
#include "app/platform/Form.h"

#include "app/platform/Guard.h"

#include <QKeyEvent>

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

void SetModalAnswerer(std::unique_ptr<IModalAnswerer> answerer) {
    Answerer() = answerer ? std::move(answerer) : std::make_unique<ExecModalAnswerer>();
}

#include "moc_Form.cpp"
