// SPDX-License-Identifier: MIT
#include "support/Faux.h"

#include "app/Emplacements.h"
#include "game/Attente.h"
#include "game/Graine.h"

#include <QStandardPaths>
#include <filesystem>
#include <system_error>
#include <utility>

namespace {

void VideDossiersDuJeu() {
    std::error_code erreur;
    for (const auto dossier : {Files::UserFolder::Settings, Files::UserFolder::State}) {
        std::filesystem::remove_all(Files::UserBase(dossier) / "kornibelle", erreur);
    }
}

class AttenteFausse : public IAttente {
public:
    explicit AttenteFausse(FausseAttente& faux) : faux_(faux) {}
    void Attend(int millisecondes, bool sansMessages) override {
        if (faux_.chaquePause) {
            faux_.chaquePause(millisecondes, sansMessages);
        }
    }

private:
    FausseAttente& faux_;
};

class GraineFausse : public ISourceGraine {
public:
    explicit GraineFausse(FausseGraine& faux) : faux_(faux) {}
    std::time_t Graine() override {
        const std::time_t graine = faux_.graine;
        faux_.graine += faux_.pas;
        return graine;
    }

private:
    FausseGraine& faux_;
};

class ProgrammeFaux : public IProgrammeParametres {
public:
    explicit ProgrammeFaux(FauxProgramme& faux) : faux_(faux) {}
    std::string Fichier() override { return faux_.fichier; }

private:
    FauxProgramme& faux_;
};

} // namespace

FausseAttente::FausseAttente() {
    InstalleAttente(std::make_unique<AttenteFausse>(*this));
}

FausseAttente::~FausseAttente() {
    InstalleAttente(nullptr);
}

FausseGraine::FausseGraine(std::time_t graine, std::time_t pas) : graine(graine), pas(pas) {
    InstalleSourceGraine(std::make_unique<GraineFausse>(*this));
}

FausseGraine::~FausseGraine() {
    InstalleSourceGraine(nullptr);
}

FauxProgramme::FauxProgramme(std::string fichier) : fichier(std::move(fichier)) {
    InstalleProgrammeParametres(std::make_unique<ProgrammeFaux>(*this));
}

FauxProgramme::~FauxProgramme() {
    InstalleProgrammeParametres(nullptr);
}

FauxDossiersPersonnels::FauxDossiersPersonnels(const std::string& racine)
    : config_{"XDG_CONFIG_HOME", qgetenv("XDG_CONFIG_HOME"),
              qEnvironmentVariableIsSet("XDG_CONFIG_HOME")},
      etat_{"XDG_STATE_HOME", qgetenv("XDG_STATE_HOME"),
            qEnvironmentVariableIsSet("XDG_STATE_HOME")} {
    qputenv(config_.nom, QByteArray::fromStdString(racine + "/config"));
    qputenv(etat_.nom, QByteArray::fromStdString(racine + "/etat"));
    QStandardPaths::setTestModeEnabled(true);
    VideDossiersDuJeu();
}

FauxDossiersPersonnels::~FauxDossiersPersonnels() {
    VideDossiersDuJeu();
    QStandardPaths::setTestModeEnabled(false);
    for (const Variable& variable : {config_, etat_}) {
        variable.presente ? qputenv(variable.nom, variable.valeur) : qunsetenv(variable.nom);
    }
}

std::string FauxDossiersPersonnels::Fichier(Files::UserFolder dossier, const char* nom) {
    return Files::Utf8(Files::UserBase(dossier) / "kornibelle" / nom);
}
