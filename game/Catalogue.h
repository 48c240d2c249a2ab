// SPDX-License-Identifier: MIT
#pragma once

#include <string>

class TSDIAppForm;

// File of an animal of the window's current environment (TypeJeu): letter 'G' or 'D'
// (sprites), 'I' (photograph) or 'S' (cry). Empty for any other letter, index or environment.
std::string CheminAnimal(const TSDIAppForm* fenetre, int animal, char lettre);
// The same lookup for an explicit environment (0 savanna, 1 polar).
std::string CheminCatalogue(int environnement, int animal, char lettre);

// Background pictures: [environment][0 for an even draw, 1 for an odd one].
extern const char* const kFondsJeu[2][2];

extern const char* const kOiseauRepos;  // resting bird
extern const char* const kOiseauVol[7]; // flight frames, in the order they are shown
extern const char* const kSonDebut;
extern const char* const kSonTrouve;
extern const char* const kSonGagne;
extern const char* const kSonSortie;
