// SPDX-License-Identifier: MIT
#include "game/Grille.h"

#include <algorithm>

namespace {

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

} // namespace

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
