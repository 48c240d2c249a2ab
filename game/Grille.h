// SPDX-License-Identifier: MIT
// The board and the rules of play over it, apart from any window: which cell a point or a key
// designates, which cells make a pair, and whether a game has begun or is won.
#pragma once

#include "app/platform/Bitmap.h"
#include "app/platform/Keys.h"
#include "game/Catalogue.h"

#include <memory>
#include <string>
#include <vector>

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

using TGrille = GRILLE[NbLignes][NbColonnes];

// A cell by its row and column; the default, (-1, -1), is none.
struct Case {
    int Ligne = -1;
    int Colonne = -1;
    friend bool operator==(const Case&, const Case&) = default;
};

// One animal placed by a new board: its 'G' cell, then its 'D' cell.
struct PairePlacee {
    Case G;
    Case D;
};

// A new board: every cell freed, then up to `demandes` animals drawn among the `catalogue` first
// of the environment's, each hidden in two free cells linked as partners, the 'G' cell holding
// the photograph, the cry and the name. Draws with std::rand, which the caller has seeded: the
// same seed gives the same board. Returns the pairs in the order they were placed.
std::vector<PairePlacee> TireGrille(TGrille& grille, int environnement, int catalogue,
                                    int demandes);

bool DansGrille(Case c);
// The cell under (X, Y) of a board drawn over largeur x hauteur pixels; none outside it.
Case CaseSous(int X, int Y, int largeur, int hauteur);
// Where the keyboard goes on from: the cell pointed at, or the top-left one off the board.
Case CaseDuClavier(Case pointee);
// Where a key takes the bird from c: a neighbour (none past the edge), or the next or previous
// cell in reading order, from the last to the first and back; c itself for other keys.
Case CaseVisee(Case c, WORD touche, TShiftState shift);
// The cell, or its partner when the cell lacks the field (the 'D' cell of a pair).
const GRILLE& CelluleAvec(const TGrille& grille, Case c, std::string GRILLE::*champ);
// A press on clic right after one on selection finds their pair.
bool FormentPaire(const TGrille& grille, Case selection, Case clic);
// A cell that hides an animal not found yet.
bool ResteATrouver(const GRILLE& cellule);
bool ToutTrouve(const TGrille& grille);
// Something has been revealed or found on the board.
bool PartieEntamee(const TGrille& grille);
