// SPDX-License-Identifier: MIT
// The settings file, one row per setting: reading and writing both walk the rows in this
// order, which is the order of the file's sections and keys.
#pragma once

#include "app/sdimain.h"

#include <variant>

// One count per environment, keyed by the environment's name; older files keyed it by the
// environment's number, still read when the name is missing.
using ParEnvironnement = decltype(&TSDIAppForm::MaxAnim);
// The window's maximised state, as a boolean.
struct EtatAgrandi {};

struct Parametre {
    const char* section;
    const char* cle; // unused for the counts per environment
    std::variant<int TSDIAppForm::*, bool TSDIAppForm::*, ParEnvironnement, EtatAgrandi> champ;
    int defaut;
};

inline constexpr Parametre kParametres[] = {
    {"Jeu", "TypeJeu", &TSDIAppForm::TypeJeu, 0},
    {"MaxAnim", "", &TSDIAppForm::MaxAnim, TSDIAppForm::kMaxAnimParDefaut},
    {"Cases", "Dess", &TSDIAppForm::DessCases, true},
    {"Environ", "Dess", &TSDIAppForm::DessEnviron, true},
    {"Environ", "Bruitage", &TSDIAppForm::Bruitage, true},
    {"Environ", "Nom", &TSDIAppForm::DitNom, true},
    {"Form", "InitMax", EtatAgrandi{}, false},
    {"Image", "Choix", &TSDIAppForm::ChoixImage, 0},
};
