// SPDX-License-Identifier: MIT
#pragma once

#include "game/Catalogue.h"

#include <string>

class TSDIAppForm;

// File of an animal of the window's current environment (TypeJeu), as CheminCatalogue gives it.
std::string CheminAnimal(const TSDIAppForm* fenetre, int animal, char lettre);
