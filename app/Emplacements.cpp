// SPDX-License-Identifier: MIT
#include "app/Emplacements.h"
#include "app/platform/Application.h"
#include "app/platform/ChangeFileExt.h"
#include "app/platform/IniFile.h"

#include <QFile>
#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace {

class CeProgramme : public IProgrammeParametres {
public:
    std::string Fichier() override { return Application::ExeName(); }
};

std::unique_ptr<IProgrammeParametres>& Programme() {
    static std::unique_ptr<IProgrammeParametres> programme = std::make_unique<CeProgramme>();
    return programme;
}

fs::path DossierDe(const fs::path& fichier) {
    return fichier.has_parent_path() ? fichier.parent_path() : fs::path(".");
}

bool Accessible(const fs::path& chemin) {
    return ::access(chemin.c_str(), W_OK) == 0;
}

// An existing file must be writable itself; a new one needs a writable folder.
bool Ecrivable(const fs::path& fichier) {
    std::error_code erreur;
    if (fs::exists(fichier, erreur)) {
        return Accessible(fichier);
    }
    const fs::path dossier = DossierDe(fichier);
    return fs::is_directory(dossier, erreur) && Accessible(dossier);
}

// Settings are left alone where they are marked read-only, even for root, whom permission
// bits do not bind, as the settings file object does.
bool MarqueEcrivable(const fs::path& chemin) {
    struct stat etat {};
    return ::stat(chemin.c_str(), &etat) == 0 && (etat.st_mode & S_IWUSR) && Accessible(chemin);
}

// The settings file is replaced through a temporary file beside it: its folder must take new
// files even when the file itself exists.
bool ParametresEcrivables(const fs::path& fichier) {
    std::error_code erreur;
    const fs::path dossier = DossierDe(fichier);
    return fs::is_directory(dossier, erreur) && MarqueEcrivable(dossier) &&
           (!fs::exists(fichier, erreur) || MarqueEcrivable(fichier));
}

fs::path DossierPersonnel() {
    const char* home = std::getenv("HOME");
    if (home && *home) {
        return home;
    }
    const passwd* compte = ::getpwuid(::getuid());
    return compte && compte->pw_dir ? compte->pw_dir : "/";
}

// The base directory named by variable when it holds an absolute path (relative ones are
// to be ignored), else the default below the home folder.
fs::path DossierDeBase(const char* variable, const char* defaut) {
    const char* valeur = std::getenv(variable);
    if (valeur && fs::path(valeur).is_absolute()) {
        return valeur;
    }
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

void InstalleProgrammeParametres(std::unique_ptr<IProgrammeParametres> programme) {
    Programme() = programme ? std::move(programme) : std::make_unique<CeProgramme>();
}

std::string FichierPresDuProgramme() {
    return ChangeFileExt(Programme()->Fichier(), ".INI");
}

std::string CheminParametres(const std::string& fichier) {
    if (ParametresEcrivables(fichier)) {
        return fichier;
    }
    return DansDossierPersonnel("XDG_CONFIG_HOME", ".config", fs::path(fichier).filename());
}

std::string CheminLectureParametres(const std::string& fichier) {
    const std::string ecrit = CheminParametres(fichier);
    std::error_code erreur;
    return fs::exists(ecrit, erreur) ? ecrit : fichier;
}

// Written anew rather than copied: the copy must not take the original's read-only mode.
bool CommenceParCopie(const std::string& copie, const std::string& original) {
    std::error_code erreur;
    if (copie == original || fs::exists(copie, erreur) || !fs::exists(original, erreur)) {
        return true;
    }
    QFile source(QString::fromStdString(original));
    if (!source.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray contenu = source.readAll();
    return source.error() == QFileDevice::NoError && ReplaceIniFile(copie, contenu.toStdString());
}

std::string CheminTrace(const std::string& dossierTravail) {
    const fs::path trace = fs::path(dossierTravail) / "espion.log";
    if (Ecrivable(trace)) {
        return trace.string();
    }
    return DansDossierPersonnel("XDG_STATE_HOME", ".local/state", "espion.log");
}
