// SPDX-License-Identifier: MIT
#include "game/VoixFamille.h"
#include "app/Emplacements.h"
#include "app/platform/Files.h"
#include "app/platform/Sound.h"

#include <filesystem>
#include <map>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The family's files by their name in the pack, each checked at its first use.
struct DossierLu {
    bool lu = false;
    fs::path dossier;
    std::map<fs::path, std::optional<bool>> lisibles;
};

DossierLu& Famille() {
    static DossierLu famille;
    return famille;
}

// The pack's sounds are at its top or one folder down (an environment's): so are the family's.
void Lit(DossierLu& famille, const fs::path& dossier) {
    famille = DossierLu{true, dossier, {}};
    std::error_code erreur;
    for (fs::recursive_directory_iterator entree(dossier, erreur), fin; !erreur && entree != fin;
         entree.increment(erreur)) {
        if (entree.depth() > 0) {
            entree.disable_recursion_pending();
        }
        std::error_code illisible;
        if (entree->is_regular_file(illisible)) {
            famille.lisibles[entree->path().lexically_relative(dossier)] = std::nullopt;
        }
    }
}

// The name of fichier inside the pack; empty when it is not a relative name inside it.
fs::path DansLePack(const std::string& fichier) {
    const fs::path nom = Files::Path(fichier).lexically_normal();
    if (nom.empty() || nom.has_root_path() || *nom.begin() == "..") {
        return {};
    }
    return nom;
}

} // namespace

std::string SonAJouer(const std::string& fichier, FILE* espion) {
    DossierLu& famille = Famille();
    // Read again also when the folder is another (the user's folders changed).
    const fs::path dossier = Files::Path(DossierFamille());
    if (!famille.lu || dossier != famille.dossier) {
        Lit(famille, dossier);
    }
    const auto trouve = famille.lisibles.find(DansLePack(fichier));
    if (trouve == famille.lisibles.end()) {
        return fichier;
    }
    const std::string sien = Files::Utf8(dossier / trouve->first);
    if (!trouve->second) {
        trouve->second = SoundReadable(sien);
        if (!*trouve->second && espion != nullptr) {
            std::fprintf(espion, "Voix de la famille illisible, celle du jeu la remplace : %s\n",
                         sien.c_str());
            std::fflush(espion);
        }
    }
    return *trouve->second ? sien : fichier;
}

std::string FichierFamille(const std::string& fichier) {
    const fs::path nom = DansLePack(fichier);
    return nom.empty() ? std::string() : Files::Utf8(Files::Path(DossierFamille()) / nom);
}

void RelitDossierFamille() {
    Famille().lu = false;
}
