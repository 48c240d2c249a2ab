// SPDX-License-Identifier: MIT
#include "app/Emplacements.h"
#include "app/Parametres.h"
#include "app/platform/IniFile.h"
#include "app/sdimain.h"

#include <string>

namespace {

// One handler per kind of row.
template <class... Genres> struct Selon : Genres... { using Genres::operator()...; };
template <class... Genres> Selon(Genres...) -> Selon<Genres...>;

} // namespace

std::string TSDIAppForm::FichierParametres() const {
    return CheminParametres(FichierPresDuProgramme());
}

void TSDIAppForm::LitParametres() {
    const TIniFile ini(CheminLectureParametres(FichierPresDuProgramme()));
    for (const Parametre& parametre : kParametres) {
        const std::string section = parametre.section;
        const std::string cle = parametre.cle;
        std::visit(
            Selon{[&](int TSDIAppForm::*entier) {
                      this->*entier = ini.ReadInteger(section, cle, parametre.defaut);
                  },
                  [&](bool TSDIAppForm::*booleen) {
                      this->*booleen = ini.ReadBool(section, cle, parametre.defaut != 0);
                  },
                  [&](ParEnvironnement nombres) {
                      for (int environnement = 0; environnement < kNbEnvironnements;
                           ++environnement) {
                          (this->*nombres)[environnement] = ini.ReadInteger(
                              section, kNomsEnvironnements[environnement],
                              ini.ReadInteger(section, std::to_string(environnement),
                                              parametre.defaut));
                      }
                  },
                  [&](EtatAgrandi) {
                      setWindowState(windowState().setFlag(
                          Qt::WindowMaximized, ini.ReadBool(section, cle, parametre.defaut != 0)));
                  }},
            parametre.champ);
    }
}

// A file that cannot be written changes nothing on disk and does not stop the caller.
void TSDIAppForm::EcritParametres() {
    const std::string fichier = FichierParametres();
    if (!CommenceParCopie(fichier, FichierPresDuProgramme())) {
        return;
    }
    TIniFile ini(fichier);
    for (const Parametre& parametre : kParametres) {
        const std::string section = parametre.section;
        const std::string cle = parametre.cle;
        std::visit(
            Selon{[&](int TSDIAppForm::*entier) { ini.WriteInteger(section, cle, this->*entier); },
                  [&](bool TSDIAppForm::*booleen) { ini.WriteBool(section, cle, this->*booleen); },
                  [&](ParEnvironnement nombres) {
                      for (int environnement = 0; environnement < kNbEnvironnements;
                           ++environnement) {
                          ini.WriteInteger(section, kNomsEnvironnements[environnement],
                                           (this->*nombres)[environnement]);
                      }
                  },
                  // Some platforms report a maximised window minimised as minimised only.
                  [&](EtatAgrandi) {
                      ini.WriteBool(section, cle, isMinimized() ? agrandie_ : isMaximized());
                  }},
            parametre.champ);
    }
}
