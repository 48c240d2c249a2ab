// SPDX-License-Identifier: MIT
// The settings reader and writer over any file: every key the game reads; a write must read
// back, leave every other key as it was, and change nothing when made again.
#include "FuzzCommun.h"

#include "app/platform/IniFile.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

// The keys the game reads and this target does not write.
std::array<int, 7> Autres(const TIniFile& ini) {
    return {ini.ReadInteger("MaxAnim", "0", 5),      ini.ReadInteger("MaxAnim", "1", 5),
            ini.ReadInteger("MaxAnim", "Savane", 5), ini.ReadBool("Cases", "Dess", true),
            ini.ReadBool("Environ", "Dess", true),   ini.ReadBool("Environ", "Bruitage", true),
            ini.ReadInteger("Image", "Choix", 0)};
}

std::string Contenu(const std::string& nom) {
    std::ifstream fichier(nom, std::ios::binary);
    return {std::istreambuf_iterator<char>(fichier), {}};
}

bool Ecrit(const std::string& nom, int typeJeu) {
    TIniFile ini(nom);
    return ini.WriteInteger("Jeu", "TypeJeu", typeJeu) && ini.WriteBool("Form", "InitMax", true);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string nom = FichierFuzz("entree.INI");
    EcritEntree(nom, donnees, taille);
    int typeJeu = 0;
    std::array<int, 7> avant{};
    {
        const TIniFile ini(nom);
        typeJeu = ini.ReadInteger("Jeu", "TypeJeu", 0);
        ini.ReadBool("Form", "InitMax", false);
        avant = Autres(ini);
    }
    const int ecrit = typeJeu == 7 ? -3 : 7;
    if (!Ecrit(nom, ecrit)) {
        return 0;
    }
    const std::string une = Contenu(nom);
    {
        const TIniFile ini(nom);
        if (ini.ReadInteger("Jeu", "TypeJeu", 0) != ecrit ||
            !ini.ReadBool("Form", "InitMax", false) || Autres(ini) != avant) {
            std::abort();
        }
    }
    if (!Ecrit(nom, ecrit) || Contenu(nom) != une) {
        std::abort();
    }
    return 0;
}
