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

// Nothing is written among the programs installed for every user.
bool Ecrivable(const fs::path& fichier, Files::Writing ecriture) {
    return !Files::SharedProgramFolder(fichier) && Files::MayWrite(fichier, ecriture);
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
    // Replaced as every settings write does; settings marked read-only are left alone.
    if (Ecrivable(chemin, Files::Writing::Replacing)) {
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
    if (Ecrivable(trace, Files::Writing::InPlace)) {
        return Files::Utf8(trace);
    }
    return DansDossierPersonnel(Files::UserFolder::State, "espion.log");
}

std::string DossierFamille() {
    return Files::Utf8(DossierPersonnel(Files::UserFolder::Data));
}
