// SPDX-License-Identifier: MIT
#include "game/Grille.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

// One pair on an otherwise free board: kA, its 'G' cell with the photograph, and kA2.
constexpr Case kA{1, 1}, kA2{2, 3};

class GrilleTest : public testing::Test {
protected:
    GrilleTest() {
        for (const auto& [c, autre] : {std::pair{kA, kA2}, {kA2, kA}}) {
            Cellule(c).Dessin = "animal.bmp";
            Cellule(c).LigneAutre = autre.Ligne;
            Cellule(c).ColonneAutre = autre.Colonne;
        }
        Cellule(kA).PhotoAnimal = "photo.jpg";
    }
    GRILLE& Cellule(Case c) { return grille[c.Ligne][c.Colonne]; }

    TGrille grille;
};

} // namespace

// Just above or left of the box the divisions alone would give row or column 0. The keyboard
// starts from the top-left cell when the pointer is off the board (where the keys lead from
// there is played through the board's handlers in the play test).
TEST_F(GrilleTest, APointOrAKeyDesignatesACellOfTheBoardOrNone) {
    EXPECT_EQ(CaseSous(80, 74, 400, 300), (Case{0, 1}));
    EXPECT_EQ(CaseSous(399, 299, 400, 300), (Case{3, 4}));
    for (const auto& [x, y] : {std::pair{-79, 100}, {100, -74}, {400, 10}, {10, 300}}) {
        EXPECT_EQ(CaseSous(x, y, 400, 300), Case{}) << x << ", " << y;
    }
    EXPECT_EQ(CaseDuClavier(Case{}), (Case{0, 0}));
}

// The 'D' cell of a pair shows the photograph its partner holds.
TEST_F(GrilleTest, APairIsTheSelectionAndItsPartnerNotYetFound) {
    EXPECT_TRUE(FormentPaire(grille, kA2, kA));
    EXPECT_FALSE(FormentPaire(grille, kA2, kA2));
    EXPECT_FALSE(FormentPaire(grille, Case{}, kA2));
    EXPECT_EQ(&CelluleAvec(grille, kA2, &GRILLE::PhotoAnimal), &Cellule(kA));
    Cellule(kA).Trouve = true;
    EXPECT_FALSE(FormentPaire(grille, kA2, kA));
}

// Free cells are never waited for: a board without pairs is won from the start.
TEST_F(GrilleTest, AGameBeginsAtItsFirstRevealAndIsWonOnceEveryPairIsFound) {
    EXPECT_FALSE(PartieEntamee(grille));
    Cellule(kA2).Dessous = std::make_unique<TBitmap>();
    EXPECT_TRUE(PartieEntamee(grille));
    Cellule(kA2).Dessous.reset();
    Cellule(kA).Trouve = true;
    EXPECT_TRUE(PartieEntamee(grille));
    EXPECT_FALSE(ToutTrouve(grille));
    Cellule(kA2).Trouve = true;
    EXPECT_TRUE(ToutTrouve(grille));
    const TGrille vide;
    EXPECT_TRUE(ToutTrouve(vide));
}
