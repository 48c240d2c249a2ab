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

// Every species named: the switch has no default, so a new one without its name does not build.
const char* NomEspece(Espece espece) {
    switch (espece) {
    case Espece::Tigre:
        return "Un tigre";
    case Espece::Loup:
        return "Un loup";
    case Espece::Zebre:
        return "Un zèbre";
    case Espece::Singe:
        return "Un singe";
    case Espece::Lezard:
        return "Un lézard";
    case Espece::Crocodile:
        return "Un crocodile";
    case Espece::Elephant:
        return "Un éléphant";
    case Espece::Lion:
        return "Un lion";
    case Espece::Oiseau:
        return "Un oiseau";
    case Espece::Serpent:
        return "Un serpent";
    case Espece::SecondSinge:
        return "Un gorille";
    case Espece::Girafe:
        return "Une girafe";
    case Espece::Manchot:
        return "Un manchot";
    case Espece::Morse:
        return "Un morse";
    case Espece::Ours:
        return "Un ours";
    case Espece::Phoque:
        return "Un phoque";
    case Espece::Renard:
        return "Un renard";
    case Espece::Oie:
        return "Une oie";
    case Espece::LoupPolaire:
        return "Un loup";
    case Espece::Lapin:
        return "Un lapin";
    case Espece::Elan:
        return "Un élan";
    case Espece::Renne:
        return "Un renne";
    case Espece::Vache:
        return "Une vache";
    case Espece::Mouton:
        return "Un mouton";
    case Espece::Chevre:
        return "Une chèvre";
    case Espece::Cheval:
        return "Un cheval";
    case Espece::Cochon:
        return "Un cochon";
    case Espece::Chien:
        return "Un chien";
    case Espece::Souris:
        return "Une souris";
    case Espece::Poule:
        return "Une poule";
    case Espece::Coq:
        return "Un coq";
    case Espece::Canard:
        return "Un canard";
    case Espece::Dindon:
        return "Un dindon";
    }
    return "";
}
