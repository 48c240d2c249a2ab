// SPDX-License-Identifier: MIT
// A whole reveal: a press on a hidden cell, through the real handler.
#include "bench/Banc.h"
#include "bench/Mesure.h"
#include "support/Assets.h"
#include "support/Pictures.h"

#include <QCoreApplication>
#include <utility>

namespace {

constexpr double kImage60Hz = 1.0 / 60;

struct Case {
    int ligne = -1;
    int colonne = -1;
};

// Two occupied cells that are not partners, so that pressing one after the other reveals each.
std::pair<Case, Case> DeuxCases(const TSDIAppForm& fenetre) {
    Case premiere;
    for (int ligne = 0; ligne < NbLignes; ++ligne) {
        for (int colonne = 0; colonne < NbColonnes; ++colonne) {
            const GRILLE& cellule = fenetre.Grille[ligne][colonne];
            if (cellule.Dessin.empty()) {
                continue;
            }
            if (premiere.ligne < 0) {
                premiere = {ligne, colonne};
            } else if (cellule.LigneAutre != premiere.ligne ||
                       cellule.ColonneAutre != premiere.colonne) {
                return {premiere, {ligne, colonne}};
            }
        }
    }
    throw std::runtime_error("plateau sans deux animaux");
}

// Sprites of a realistic size, and a photograph for the viewer.
void AgranditAnimal(const TSDIAppForm& fenetre, Case c) {
    const GRILLE& cellule = fenetre.Grille[c.ligne][c.colonne];
    assets::WriteSprite(cellule.Dessin, 128, 128);
    const GRILLE& g = cellule.PhotoAnimal.empty()
                          ? fenetre.Grille[cellule.LigneAutre][cellule.ColonneAutre]
                          : cellule;
    pictures::WriteJpeg(g.PhotoAnimal, Photo(320, 240));
}

// range(0): the photograph shown in the environment viewer (1) or not (0). Sounds are silent.
void BM_Revelation(benchmark::State& state) {
    Partie& partie = PartieCourante();
    partie.ecran.area = Rect(0, 0, kEcranLarge, 1024);
    partie.NouveauFond(1024, 768);
    TSDIAppForm& fenetre = partie.Fenetre();
    const bool dessEnviron = fenetre.DessEnviron;
    fenetre.DessEnviron = state.range(0) != 0;
    auto [a, b] = DeuxCases(fenetre);
    AgranditAnimal(fenetre, a);
    AgranditAnimal(fenetre, b);

    std::vector<double> revelations;
    for (auto _ : state) {
        const QPoint point = CentreCase(fenetre, a.ligne, a.colonne);
        const double temps = mesure::DureeProcesseur(
            [&] { fenetre.PBMouseDown(TMouseButton::mbLeft, 0, point.x(), point.y()); });
        state.SetIterationTime(temps);
        revelations.push_back(temps);
        // As the pointer coming back would: the cell is hidden again for the next press.
        fenetre.CacheCase(a.ligne, a.colonne);
        QCoreApplication::processEvents();
        std::swap(a, b);
    }
    fenetre.DessEnviron = dessEnviron;
    mesure::Rapporte(state, revelations, std::vector<double>(revelations.size(), kImage60Hz),
                     "one frame at 60 Hz (CPU time)");
}
BENCHMARK(BM_Revelation)->Arg(0)->Arg(1)->UseManualTime();

} // namespace
