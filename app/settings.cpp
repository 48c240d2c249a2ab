// SPDX-License-Identifier: MIT
#include "app/Emplacements.h"
#include "app/platform/IniFile.h"
#include "app/sdimain.h"

#include <string>

std::string TSDIAppForm::FichierParametres() const {
    return CheminParametres(FichierPresDuProgramme());
}

// The counts are read back from the keys that closing writes, named after the environments;
// the keys "0" and "1" of older files are still honoured when those are missing.
void TSDIAppForm::LitParametres() {
    const TIniFile ini(CheminLectureParametres(FichierPresDuProgramme()));
    TypeJeu = ini.ReadInteger("Jeu", "TypeJeu", 0);
    for (int environnement = 0; environnement < kNbEnvironnements; ++environnement) {
        MaxAnim[environnement] = ini.ReadInteger(
            "MaxAnim", kNomsEnvironnements[environnement],
            ini.ReadInteger("MaxAnim", std::to_string(environnement), kMaxAnimParDefaut));
    }
    DessCases = ini.ReadBool("Cases", "Dess", true);
    DessEnviron = ini.ReadBool("Environ", "Dess", true);
    Bruitage = ini.ReadBool("Environ", "Bruitage", true);
    DitNom = ini.ReadBool("Environ", "Nom", true);
    ChoixImage = ini.ReadInteger("Image", "Choix", 0);
    if (ini.ReadBool("Form", "InitMax", false)) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        setWindowState(windowState() & ~Qt::WindowMaximized);
    }
}

// A file that cannot be written changes nothing on disk and does not stop the caller.
void TSDIAppForm::EcritParametres() {
    const std::string fichier = FichierParametres();
    if (!CommenceParCopie(fichier, FichierPresDuProgramme())) {
        return;
    }
    TIniFile ini(fichier);
    ini.WriteInteger("Jeu", "TypeJeu", TypeJeu);
    for (int environnement = 0; environnement < kNbEnvironnements; ++environnement) {
        ini.WriteInteger("MaxAnim", kNomsEnvironnements[environnement], MaxAnim[environnement]);
    }
    ini.WriteBool("Cases", "Dess", DessCases);
    ini.WriteBool("Environ", "Dess", DessEnviron);
    ini.WriteBool("Environ", "Bruitage", Bruitage);
    ini.WriteBool("Environ", "Nom", DitNom);
    // Some platforms report a maximised window minimised as minimised only.
    ini.WriteBool("Form", "InitMax", isMinimized() ? agrandie_ : isMaximized());
    ini.WriteInteger("Image", "Choix", ChoixImage);
}
