// SPDX-License-Identifier: MIT
#include "game/CheminAnimal.h"

#include "app/sdimain.h"

std::string CheminAnimal(const TSDIAppForm* fenetre, int animal, char lettre) {
    return CheminCatalogue(fenetre->TypeJeu, animal, lettre);
}
