// SPDX-License-Identifier: MIT
// The family's voices: the animals of the game's environment, each with its picture and name;
// the chosen one's name heard as the game says it, recorded from the microphone into the
// family's folder, or given back to the game's voice. Modal, like the other dialogs.
// Precondition: the main window SDIAppForm exists.
#pragma once

#include "app/platform/Form.h"

#include <QTimer>
#include <memory>
#include <string>
#include <vector>

namespace Ui {
class Voix;
}
class Microphone;

class TVoix : public TForm {
    Q_OBJECT
public:
    explicit TVoix(QWidget* parent = nullptr);
    ~TVoix() override;

    // Plays the chosen animal's name as the game says it now.
    void EcouterClick();
    // Listens for kSecondesPrise, the level shown, then writes the name heard into the family's
    // folder and plays it once.
    void EnregistrerClick();
    // Removes the family's recording of the chosen animal's name.
    void ReprendreClick();
    void FermerClick();

    QTimer Minuteur; // runs while the microphone listens

private:
    void Remplit();
    void AnimauxChange();
    void MinuteurTimer();
    void FinEcoute();
    // Says why nothing can be recorded, and greys what records.
    void SansMicro(const QString& message);
    // The pack's name file of the chosen animal; empty when none is chosen.
    std::string NomChoisi() const;

    std::unique_ptr<Ui::Voix> ui;
    std::unique_ptr<Microphone> micro_;
    std::vector<float> prise_;
    bool microUtilisable_ = true;
};
