// SPDX-License-Identifier: MIT
#include "game/Grille.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

constexpr int kNbPlacesAnimaux = 12;
constexpr int kMaxPaires = NbLignes * NbColonnes / 2;

template <typename Condition> bool UneCellule(const TGrille& grille, Condition condition) {
    return std::any_of(std::begin(grille), std::end(grille), [&](const auto& ligne) {
        return std::any_of(std::begin(ligne), std::end(ligne), condition);
    });
}

const GRILLE& Cellule(const TGrille& grille, Case c) {
    return grille[c.Ligne][c.Colonne];
}

Case Autre(const GRILLE& cellule) {
    return {cellule.LigneAutre, cellule.ColonneAutre};
}

GRILLE& Cellule(TGrille& grille, Case c) {
    return grille[c.Ligne][c.Colonne];
}

void Libere(GRILLE& cellule) {
    cellule.Dessin.clear();
    cellule.PhotoAnimal.clear();
    cellule.CriAnimal.clear();
    cellule.NomAnimal.clear();
    cellule.ColonneAutre = -1;
    cellule.LigneAutre = -1;
    cellule.Trouve = false;
    cellule.Dessous.reset();
}

// Distinct animals among the catalogue's first `catalogue`, each drawn again until it is new.
std::array<int, kNbPlacesAnimaux> TireAnimaux(int catalogue, int nombre) {
    std::array<int, kNbPlacesAnimaux> animaux;
    animaux.fill(-1);
    for (int i = 0; i < nombre; ++i) {
        do {
            const int tire = std::rand() % catalogue;
            if (std::find(animaux.begin(), animaux.begin() + i, tire) == animaux.begin() + i) {
                animaux[i] = tire;
            }
        } while (animaux[i] == -1);
    }
    return animaux;
}

// A row, then a column, until the cell is free. At most ten pairs on twenty cells: a free cell
// always remains for every draw.
Case TireCaseLibre(const TGrille& grille) {
    Case c;
    do {
        c.Ligne = std::rand() % NbLignes;
        c.Colonne = std::rand() % NbColonnes;
    } while (!Cellule(grille, c).Dessin.empty());
    return c;
}

} // namespace

std::vector<PairePlacee> TireGrille(TGrille& grille, int environnement, int catalogue,
                                    int demandes) {
    for (auto& ligne : grille) {
        for (GRILLE& cellule : ligne) {
            Libere(cellule);
        }
    }
    const int nombre =
        EnvironnementConnu(environnement) ? std::min({demandes, catalogue, kNbPlacesAnimaux}) : 0;
    const auto animaux = TireAnimaux(catalogue, nombre);

    std::vector<PairePlacee> paires;
    for (int k = 0; k < std::min(nombre, kMaxPaires); ++k) {
        const Case g = TireCaseLibre(grille);
        GRILLE& caseG = Cellule(grille, g);
        caseG.Dessin = CheminCatalogue(environnement, animaux[k], 'G');
        const Case d = TireCaseLibre(grille);
        GRILLE& caseD = Cellule(grille, d);
        caseD.Dessin = CheminCatalogue(environnement, animaux[k], 'D');
        caseD.LigneAutre = g.Ligne;
        caseD.ColonneAutre = g.Colonne;
        caseG.LigneAutre = d.Ligne;
        caseG.ColonneAutre = d.Colonne;
        caseG.PhotoAnimal = CheminCatalogue(environnement, animaux[k], 'I');
        caseG.CriAnimal = CheminCatalogue(environnement, animaux[k], 'S');
        caseG.NomAnimal = CheminCatalogue(environnement, animaux[k], 'N');
        paires.push_back({g, d});
    }
    return paires;
}

bool DansGrille(Case c) {
    return c.Ligne >= 0 && c.Ligne < NbLignes && c.Colonne >= 0 && c.Colonne < NbColonnes;
}

// With a button held the pointer may leave the paint box: such points index no cell. The
// bounds are checked on the point, as the divisions round toward zero.
Case CaseSous(int X, int Y, int largeur, int hauteur) {
    if (X < 0 || Y < 0 || X >= largeur || Y >= hauteur) {
        return {};
    }
    return {Y * NbLignes / hauteur, X * NbColonnes / largeur};
}

Case CaseDuClavier(Case pointee) {
    return DansGrille(pointee) ? pointee : Case{0, 0};
}

Case CaseVisee(Case c, WORD touche, TShiftState shift) {
    switch (touche) {
    case VK_LEFT:
        return {c.Ligne, std::max(c.Colonne - 1, 0)};
    case VK_RIGHT:
        return {c.Ligne, std::min(c.Colonne + 1, NbColonnes - 1)};
    case VK_UP:
        return {std::max(c.Ligne - 1, 0), c.Colonne};
    case VK_DOWN:
        return {std::min(c.Ligne + 1, NbLignes - 1), c.Colonne};
    case VK_TAB: {
        constexpr int kNbCases = NbLignes * NbColonnes;
        const int pas = (shift & ssShift) ? kNbCases - 1 : 1;
        const int suivante = (c.Ligne * NbColonnes + c.Colonne + pas) % kNbCases;
        return {suivante / NbColonnes, suivante % NbColonnes};
    }
    default:
        return c;
    }
}

const GRILLE& CelluleAvec(const TGrille& grille, Case c, std::string GRILLE::*champ) {
    const GRILLE& cellule = Cellule(grille, c);
    const Case autre = Autre(cellule);
    if (!(cellule.*champ).empty() || !DansGrille(autre)) {
        return cellule;
    }
    return Cellule(grille, autre);
}

bool FormentPaire(const TGrille& grille, Case selection, Case clic) {
    return DansGrille(selection) && DansGrille(clic) && !Cellule(grille, clic).Trouve &&
           Autre(Cellule(grille, selection)) == clic;
}

bool ResteATrouver(const GRILLE& cellule) {
    return !cellule.Dessin.empty() && !cellule.Trouve;
}

bool ToutTrouve(const TGrille& grille) {
    return !UneCellule(grille, ResteATrouver);
}

bool PartieEntamee(const TGrille& grille) {
    return UneCellule(
        grille, [](const GRILLE& cellule) { return cellule.Dessous != nullptr || cellule.Trouve; });
}
