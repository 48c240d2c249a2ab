// SPDX-License-Identifier: MIT
#include "game/Catalogue.h"

#include <cstring>

std::string CheminCatalogue(int environnement, int animal, char lettre) {
    if (!EnvironnementConnu(environnement)) {
        return {};
    }
    const auto animaux = kAnimaux[environnement];
    if (animal < 0 || animal >= static_cast<int>(animaux.size())) {
        return {};
    }
    // strchr would also match the terminating NUL.
    const char* position = lettre != '\0' ? std::strchr(kLettresAnimal, lettre) : nullptr;
    if (position == nullptr) {
        return {};
    }
    return animaux[animal].fichiers[position - kLettresAnimal];
}
