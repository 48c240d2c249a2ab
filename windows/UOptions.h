// SPDX-License-Identifier: MIT
// The options dialog: edits the main window's settings, answers Yes when they were written.
// Precondition: the main window SDIAppForm exists (it is created first, see TFenetres).
#pragma once

#include "app/platform/Form.h"

#include <memory>

namespace Ui {
class Options;
}

class TOptions : public TForm {
    Q_OBJECT
public:
    explicit TOptions(QWidget* parent = nullptr);
    ~TOptions() override;

    // Writes the controls into the main window's settings and answers Yes.
    void OKClick();
    // Answers Cancel and writes nothing.
    void AnnulerClick();
    // Opens the family's voices over the dialog.
    void VoixClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Remplit();
    int EnvironnementChoisi() const;
    void ComboBox1Change();
    void ComboBox2Change();
    void UpDown1Change();
    void CheckBox3Change();

    std::unique_ptr<Ui::Options> ui;
};
