// SPDX-License-Identifier: MIT
// The settings reader over any file: every key the game reads, then a write read back.
#include "FuzzCommun.h"

#include "app/platform/IniFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string nom = FichierFuzz("entree.INI");
    EcritEntree(nom, donnees, taille);
    int typeJeu = 0;
    {
        const TIniFile ini(nom);
        typeJeu = ini.ReadInteger("Jeu", "TypeJeu", 0);
        ini.ReadInteger("MaxAnim", "0", 5);
        ini.ReadInteger("MaxAnim", "1", 5);
        ini.ReadBool("Cases", "Dess", true);
        ini.ReadBool("Environ", "Dess", true);
        ini.ReadBool("Environ", "Bruitage", true);
        ini.ReadInteger("Image", "Choix", 0);
        ini.ReadBool("Form", "InitMax", false);
    }
    const int ecrit = typeJeu == 7 ? -3 : 7;
    bool stocke = false;
    {
        TIniFile ini(nom);
        stocke =
            ini.WriteInteger("Jeu", "TypeJeu", ecrit) && ini.WriteBool("Form", "InitMax", true);
    }
    if (stocke) {
        const TIniFile ini(nom);
        // A value written must read back, whatever the file held before.
        if (ini.ReadInteger("Jeu", "TypeJeu", 0) != ecrit ||
            !ini.ReadBool("Form", "InitMax", false))
            std::abort();
    }
    return 0;
}
