// SPDX-License-Identifier: MIT
#include "app/platform/Application.h"
#include "app/platform/Signals.h"
#include "app/platform/Sound.h"
#include "app/sdimain.h"
#include "game/Catalogue.h"
#include "windows/About.h"
#include "windows/UEnviron.h"
#include "windows/UOptions.h"

#include <QFileDialog>
#include <exception>

void TSDIAppForm::SavaneClick() {
    TypeJeu = 0;
    LanceNouveauJeu();
}

void TSDIAppForm::PolaireClick() {
    TypeJeu = 1;
    LanceNouveauJeu();
}

void TSDIAppForm::FermeClick() {
    TypeJeu = 2;
    LanceNouveauJeu();
}

// The dialog has already written its settings when it answers Yes.
void TSDIAppForm::mOptionsClick() {
    if (Options->ShowModal() == mrYes) {
        LanceNouveauJeu();
    }
}

void TSDIAppForm::LanceNouveauJeu() {
    // The photograph shown belongs to the game that ends.
    if (Environ) {
        Environ->Hide();
    }
    // A set-up that fails halfway has still replaced the board: the old scene must not stay
    // over it. The error goes on to the handler guard once the new scene shows.
    std::exception_ptr erreur;
    try {
        NouveauJeu();
    } catch (...) {
        erreur = std::current_exception();
    }
    PB->Repaint();
    PB->Refresh();
    // A key held through the change of board (the one that answered the won window) must not
    // press on the new one.
    PB->KeyRepeats.IgnoreHeldKeys();
    if (erreur) {
        std::rethrow_exception(erreur);
    }
    Application::ProcessMessages();
}

// The game has no documents: the file commands stop at their dialogs.
void TSDIAppForm::FileNew1Execute() {}

void TSDIAppForm::FileOpen1Execute() {
    OpenDialog().exec();
}

void TSDIAppForm::FileSave1Execute() {
    SaveDialog().exec();
}

void TSDIAppForm::FileExit1Execute() {
    close();
}

void TSDIAppForm::HelpAbout1Execute() {
    AboutBox->ShowModal();
}

// A program asked to end by its session or a terminal leaves without its leaving sound.
void TSDIAppForm::FormClose() {
    if (!Signals::TerminationReceived()) {
        JoueSon(kSonSortie, SND_SYNC);
    }
    EcritParametres();
    FermeEspion();
    for (auto& ligne : Grille) {
        for (GRILLE& cellule : ligne) {
            cellule.Dessous.reset();
        }
    }
    Fond.reset();
}
