// SPDX-License-Identifier: MIT
#include "app/Emplacements.h"
#include "app/platform/Application.h"
#include "app/platform/ChangeFileExt.h"
#include "app/platform/Files.h"
#include "app/platform/IniFile.h"

#include <QFile>
#include <filesystem>
#include <system_error>
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

// An existing file must be writable itself; a new one needs a writable folder. Nothing is
// written among the programs installed for every user.
bool Ecrivable(const fs::path& fichier) {
    std::error_code erreur;
    const fs::path dossier = DossierDe(fichier);
    if (Files::SharedProgramFolder(dossier)) {
        return false;
    }
    if (fs::exists(fichier, erreur)) {
        return Files::Writable(fichier);
    }
    return fs::is_directory(dossier, erreur) && Files::Writable(dossier);
}

// The settings file is replaced through a temporary file beside it: its folder must take new
// files even when the file itself exists. Settings marked read-only are left alone, as the
// settings file object does.
bool ParametresEcrivables(const fs::path& fichier) {
    std::error_code erreur;
    const fs::path dossier = DossierDe(fichier);
    return fs::is_directory(dossier, erreur) && !Files::SharedProgramFolder(dossier) &&
           Files::MarkedWritable(dossier) &&
           (!fs::exists(fichier, erreur) || Files::MarkedWritable(fichier));
}

fs::path DossierPersonnel(Files::UserFolder base) {
    return Files::UserBase(base) / "kornibelle";
}

// A failure to create the folder is left to the write, which then loses nothing else.
std::string DansDossierPersonnel(Files::UserFolder base, const fs::path& nom) {
    const fs::path dossier = DossierPersonnel(base);
    std::error_code erreur;
    fs::create_directories(dossier, erreur);
    return Files::Utf8(dossier / nom);
}

} // namespace

void InstalleProgrammeParametres(std::unique_ptr<IProgrammeParametres> programme) {
    Programme() = programme ? std::move(programme) : std::make_unique<CeProgramme>();
}

std::string FichierPresDuProgramme() {
    return ChangeFileExt(Programme()->Fichier(), ".INI");
}

std::string CheminParametres(const std::string& fichier) {
    const fs::path chemin = Files::Path(fichier);
    if (ParametresEcrivables(chemin)) {
        return fichier;
    }
    return DansDossierPersonnel(Files::UserFolder::Settings, chemin.filename());
}

std::string CheminLectureParametres(const std::string& fichier) {
    const std::string ecrit = CheminParametres(fichier);
    std::error_code erreur;
    return fs::exists(Files::Path(ecrit), erreur) ? ecrit : fichier;
}

// Written anew rather than copied: the copy must not take the original's read-only mode.
bool CommenceParCopie(const std::string& copie, const std::string& original) {
    std::error_code erreur;
    if (copie == original || fs::exists(Files::Path(copie), erreur) ||
        !fs::exists(Files::Path(original), erreur)) {
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
    const fs::path trace = Files::Path(dossierTravail) / "espion.log";
    if (Ecrivable(trace)) {
        return Files::Utf8(trace);
    }
    return DansDossierPersonnel(Files::UserFolder::State, "espion.log");
}

std::string DossierFamille() {
    return Files::Utf8(DossierPersonnel(Files::UserFolder::Data));
}
