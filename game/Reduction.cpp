// SPDX-License-Identifier: MIT
#include "game/Reduction.h"

#include "app/platform/MulDiv.h"

#include <cstdint>

TailleImage TailleFond(int largeur, int hauteur, int largeurZone, int hauteurZone, int horsImage) {
    TailleImage taille{largeur, hauteur};
    if (largeurZone > 0 && MulDiv(largeur, 4, 3) > largeurZone) {
        const float echelle = 0.75f * static_cast<float>(largeurZone) / static_cast<float>(largeur);
        taille = {static_cast<int>(static_cast<float>(largeur) * echelle),
                  static_cast<int>(static_cast<float>(hauteur) * echelle)};
    }
    const int hauteurLibre = hauteurZone - horsImage;
    if (hauteurZone > 0 && hauteurLibre > 0 && taille.Hauteur > hauteurLibre) {
        // From the picture's own size: one stretch, and the proportions of the picture.
        taille = {static_cast<int>(std::int64_t(largeur) * hauteurLibre / hauteur), hauteurLibre};
    }
    return taille;
}
