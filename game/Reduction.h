// SPDX-License-Identifier: MIT
// The size a background is shown at, so that the main window fits the work area.
#pragma once

struct TailleImage {
    int Largeur = 0;
    int Hauteur = 0;
    friend bool operator==(const TailleImage&, const TailleImage&) = default;
};

// largeur x hauteur: the picture's own size; largeurZone x hauteurZone: the work area's, 0
// when unknown; horsImage: what the main window adds to the picture's height (menu bar and
// window frame). A picture wider than three quarters of the work area is reduced to three
// quarters of its width; one that would still make the window taller than the work area is
// reduced to fit its height. Proportions are kept.
TailleImage TailleFond(int largeur, int hauteur, int largeurZone, int hauteurZone, int horsImage);

// The smallest size a board drawn at largeur x hauteur may be shown at, its proportions kept,
// for every cell to stay large enough for a child to aim at: at least kLargeurCaseMin x
// kHauteurCaseMin. Never larger than the board itself: a board drawn smaller is shown as drawn.
constexpr int kLargeurCaseMin = 48;
constexpr int kHauteurCaseMin = 36;
TailleImage TailleMinimale(int largeur, int hauteur);
