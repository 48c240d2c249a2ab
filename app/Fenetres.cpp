// SPDX-License-Identifier: MIT
#include "app/Fenetres.h"

#include "FonctGen/UMessConf.h"
#include "app/platform/Form.h"
#include "app/sdimain.h"
#include "windows/About.h"
#include "windows/Gagne.h"
#include "windows/UEnviron.h"
#include "windows/UOptions.h"

TSDIAppForm* SDIAppForm = nullptr;
TAboutBox* AboutBox = nullptr;
TMessConf* MessConf = nullptr;
TBravo* Bravo = nullptr;
TOptions* Options = nullptr;
TEnviron* Environ = nullptr;

namespace {

template <class Fenetre> void Cree(std::unique_ptr<Fenetre>& proprietaire, Fenetre*& globale) {
    proprietaire = std::make_unique<Fenetre>();
    globale = proprietaire.get();
}

template <class Fenetre> void Detruit(std::unique_ptr<Fenetre>& proprietaire, Fenetre*& globale) {
    globale = nullptr;
    proprietaire.reset();
}

} // namespace

TFenetres::TFenetres() {
    try {
        Cree(sdiAppForm_, SDIAppForm);
        SetMainForm(SDIAppForm);
        Cree(aboutBox_, AboutBox);
        Cree(messConf_, MessConf);
        Cree(bravo_, Bravo);
        Cree(options_, Options);
        Cree(environ_, Environ);
    } catch (...) {
        Libere();
        throw;
    }
    // Only the main window keeps the program alive: closing it ends the program even while
    // the environment viewer is still open.
    for (QWidget* secondaire :
         std::initializer_list<QWidget*>{AboutBox, MessConf, Bravo, Options, Environ}) {
        secondaire->setAttribute(Qt::WA_QuitOnClose, false);
    }
}

TFenetres::~TFenetres() {
    Libere();
}

void TFenetres::Libere() {
    Detruit(environ_, Environ);
    Detruit(options_, Options);
    Detruit(bravo_, Bravo);
    Detruit(messConf_, MessConf);
    Detruit(aboutBox_, AboutBox);
    SetMainForm(nullptr);
    Detruit(sdiAppForm_, SDIAppForm);
}
