// SPDX-License-Identifier: MIT
#pragma once

#include "app/platform/Bitmap.h"
#include "game/Catalogue.h"

#include <memory>
#include <string>

// One board cell. An empty Dessin marks a free cell.
struct GRILLE {
    std::string Dessin;      // sprite of this cell ('G' or 'D' picture)
    std::string PhotoAnimal; // only in the 'G' cell of a pair
    std::string CriAnimal;   // only in the 'G' cell of a pair
    std::string NomAnimal;   // the spoken name; only in the 'G' cell of a pair
    int ColonneAutre = 0;    // partner cell; a new board sets -1 in its free cells
    int LigneAutre = 0;
    bool Trouve = false;
    std::unique_ptr<TBitmap> Dessous; // background under the shown sprite, while shown
    int XCentre = 0;
    int YCentre = 0;
    int Largeur = 0;
    int Hauteur = 0;
};
