// SPDX-License-Identifier: MIT
#include "app/Emplacements.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// An existing file must be writable itself; a new one needs a writable folder.
bool Ecrivable(const fs::path& fichier) {
    std::error_code erreur;
    if (fs::exists(fichier, erreur))
        return ::access(fichier.c_str(), W_OK) == 0;
    const fs::path dossier = fichier.has_parent_path() ? fichier.parent_path() : fs::path(".");
    return fs::is_directory(dossier, erreur) && ::access(dossier.c_str(), W_OK) == 0;
}

fs::path DossierPersonnel() {
    const char* home = std::getenv("HOME");
    if (home && *home)
        return home;
    const passwd* compte = ::getpwuid(::getuid());
    return compte && compte->pw_dir ? compte->pw_dir : "/";
}

// The base directory named by variable when it holds an absolute path (relative ones are
// to be ignored), else the default below the home folder.
fs::path DossierDeBase(const char* variable, const char* defaut) {
    const char* valeur = std::getenv(variable);
    if (valeur && fs::path(valeur).is_absolute())
        return valeur;
    return DossierPersonnel() / defaut;
}

// A failure to create the folder is left to the write, which then loses nothing else.
std::string DansDossierPersonnel(const char* variable, const char* defaut, const fs::path& nom) {
    const fs::path dossier = DossierDeBase(variable, defaut) / "kornibelle";
    std::error_code erreur;
    fs::create_directories(dossier, erreur);
    return (dossier / nom).string();
}

} // namespace

std::string CheminParametres(const std::string& fichier) {
    if (Ecrivable(fichier))
        return fichier;
    return DansDossierPersonnel("XDG_CONFIG_HOME", ".config", fs::path(fichier).filename());
}

std::string CheminTrace(const std::string& dossierTravail) {
    const fs::path trace = fs::path(dossierTravail) / "espion.log";
    if (Ecrivable(trace))
        return trace.string();
    return DansDossierPersonnel("XDG_STATE_HOME", ".local/state", "espion.log");
}
