// SPDX-License-Identifier: MIT
// The fakes of support/Fakes.h behind the game's seams: apart from Fakes.cpp, as they link the
// game, which the adapter layer's tests do not.
#include "support/Fakes.h"

#include "app/Emplacements.h"
#include "game/Attente.h"
#include "game/Graine.h"

#include <utility>

namespace {

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
