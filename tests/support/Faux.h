// SPDX-License-Identifier: MIT
// Fakes behind the seams of the game and of the application shell, as Fakes.h has them for the
// adapter layer: each installs itself on construction and restores the real implementation on
// destruction.
#pragma once

#include "app/platform/Files.h"

#include <QByteArray>
#include <ctime>
#include <functional>
#include <string>

// Pauses that pass at once; chaquePause, when set, runs at each instead.
class FausseAttente {
public:
    FausseAttente();
    ~FausseAttente();
    FausseAttente(const FausseAttente&) = delete;
    FausseAttente& operator=(const FausseAttente&) = delete;

    std::function<void(int millisecondes, bool sansMessages)> chaquePause;
};

// Seeds new games with graine, which grows by pas after each game.
class FausseGraine {
public:
    explicit FausseGraine(std::time_t graine = 0, std::time_t pas = 0);
    ~FausseGraine();
    FausseGraine(const FausseGraine&) = delete;
    FausseGraine& operator=(const FausseGraine&) = delete;

    std::time_t graine;
    std::time_t pas;
};

// Names the settings file after fichier, as if it were the program's own file.
class FauxProgramme {
public:
    explicit FauxProgramme(std::string fichier);
    ~FauxProgramme();
    FauxProgramme(const FauxProgramme&) = delete;
    FauxProgramme& operator=(const FauxProgramme&) = delete;

    std::string fichier;
};

// The user's own folders below racine (config/ and etat/), through the XDG variables on Linux;
// on Windows, Qt's test copy of the application-data folder, where the game's folder is
// removed on construction and on destruction.
class FauxDossiersPersonnels {
public:
    explicit FauxDossiersPersonnels(const std::string& racine);
    ~FauxDossiersPersonnels();
    FauxDossiersPersonnels(const FauxDossiersPersonnels&) = delete;
    FauxDossiersPersonnels& operator=(const FauxDossiersPersonnels&) = delete;

    // The game's file nom in the user's folder of that kind.
    static std::string Fichier(Files::UserFolder dossier, const char* nom);

private:
    struct Variable {
        const char* nom;
        QByteArray valeur;
        bool presente;
    };
    Variable config_;
    Variable etat_;
};
