// SPDX-License-Identifier: MIT
// A game ready to be measured: a temporary working folder holding the tiny test assets, the
// silent seams, a fixed work area, the program's six windows, the main window shown offscreen.
#pragma once

#include "app/Fenetres.h"
#include "app/sdimain.h"
#include "bench/Silence.h"
#include "support/Fakes.h"

#include <QImage>
#include <memory>
#include <string>

class Partie {
public:
    explicit Partie(int largeurEcran);
    ~Partie();
    Partie(const Partie&) = delete;
    Partie& operator=(const Partie&) = delete;

    TSDIAppForm& Fenetre() { return *SDIAppForm; }
    // The four backgrounds replaced by one photograph-like picture of largeur x hauteur.
    void EcritFonds(int largeur, int hauteur);
    // A new game on such a background, then the surface repainted.
    void NouveauFond(int largeur, int hauteur);

    DossierTemp dossier;
    Silence silence;
    FakeWorkArea ecran;

private:
    std::unique_ptr<TFenetres> fenetres_;
};

// Gradients with fine texture, so that decoding costs what a photograph costs rather than
// what a flat picture costs.
QImage Photo(int largeur, int hauteur);
// The centre of a cell in paint-box pixels, as a pointer would press it.
QPoint CentreCase(const TSDIAppForm& fenetre, int ligne, int colonne);
