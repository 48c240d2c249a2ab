// SPDX-License-Identifier: MIT
#include "game/Reduction.h"

#include "app/platform/MulDiv.h"
#include "game/Grille.h"

#include <algorithm>
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

TailleImage TailleMinimale(int largeur, int hauteur) {
    if (largeur <= 0 || hauteur <= 0) {
        return {0, 0};
    }
    // The axis whose cells are the tightest sets the scale; the other follows the proportions.
    const std::int64_t largeurMin = std::int64_t(kLargeurCaseMin) * NbColonnes;
    const std::int64_t hauteurMin = std::int64_t(kHauteurCaseMin) * NbLignes;
    if (largeurMin * hauteur >= hauteurMin * largeur) {
        const std::int64_t h = (largeurMin * hauteur + largeur - 1) / largeur;
        return {std::min<int>(int(largeurMin), largeur), std::min<int>(int(h), hauteur)};
    }
    const std::int64_t l = (hauteurMin * largeur + hauteur - 1) / hauteur;
    return {std::min<int>(int(l), largeur), std::min<int>(int(hauteurMin), hauteur)};
}
