// SPDX-License-Identifier: MIT
#include "game/Grille.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

// One pair, kA (its 'G' cell, with the photograph) and kA2, on an otherwise free board.
constexpr Case kA{1, 1}, kA2{2, 3}, kLibre{0, 2};

class GrilleTest : public testing::Test {
protected:
    GrilleTest() {
        for (auto& ligne : grille) {
            for (GRILLE& cellule : ligne) {
                cellule.LigneAutre = cellule.ColonneAutre = -1;
            }
        }
        for (const auto& [c, autre] : {std::pair{kA, kA2}, {kA2, kA}}) {
            Cellule(c).Dessin = "animal.bmp";
            Cellule(c).LigneAutre = autre.Ligne;
            Cellule(c).ColonneAutre = autre.Colonne;
        }
        Cellule(kA).PhotoAnimal = "photo.jpg";
        Cellule(kA).CriAnimal = "cri.wav";
    }
    GRILLE& Cellule(Case c) { return grille[c.Ligne][c.Colonne]; }

    TGrille grille;
};

} // namespace

// Just above or left of the box the divisions alone would give row or column 0.
TEST_F(GrilleTest, APointIndexesTheCellUnderItAndNoneOffTheBoard) {
    EXPECT_EQ(CaseSous(0, 0, 400, 300), (Case{0, 0}));
    EXPECT_EQ(CaseSous(80, 74, 400, 300), (Case{0, 1}));
    EXPECT_EQ(CaseSous(399, 299, 400, 300), (Case{3, 4}));
    for (const auto& [x, y] :
         {std::pair{-1, 10}, {10, -1}, {-79, 100}, {100, -74}, {400, 10}, {10, 300}}) {
        EXPECT_EQ(CaseSous(x, y, 400, 300), Case{}) << x << ", " << y;
    }
    EXPECT_EQ(CaseDuClavier(Case{}), (Case{0, 0}));
    EXPECT_EQ(CaseDuClavier(kA2), kA2);
}

TEST_F(GrilleTest, ArrowsStopAtTheEdgesAndTabWrapsRoundInReadingOrder) {
    for (const WORD touche : {VK_LEFT, VK_UP}) {
        EXPECT_EQ(CaseVisee({0, 0}, touche, 0), (Case{0, 0}));
    }
    for (const WORD touche : {VK_RIGHT, VK_DOWN}) {
        EXPECT_EQ(CaseVisee({3, 4}, touche, 0), (Case{3, 4}));
    }
    EXPECT_EQ(CaseVisee({1, 1}, VK_DOWN, 0), (Case{2, 1}));
    EXPECT_EQ(CaseVisee({0, 4}, VK_TAB, 0), (Case{1, 0}));
    EXPECT_EQ(CaseVisee({3, 4}, VK_TAB, 0), (Case{0, 0}));
    EXPECT_EQ(CaseVisee({0, 0}, VK_TAB, ssShift), (Case{3, 4}));
    EXPECT_EQ(CaseVisee({1, 2}, VK_SPACE, 0), (Case{1, 2}));
}

TEST_F(GrilleTest, APairIsTheSelectionAndItsPartnerNotYetFound) {
    EXPECT_TRUE(FormentPaire(grille, kA, kA2));
    EXPECT_TRUE(FormentPaire(grille, kA2, kA));
    for (const Case selection : {kA2, kLibre, Case{}}) {
        EXPECT_FALSE(FormentPaire(grille, selection, kA2));
    }
    Cellule(kA2).Trouve = true;
    EXPECT_FALSE(FormentPaire(grille, kA, kA2));
}

TEST_F(GrilleTest, TheDCellOfAPairTakesThePhotographAndCryOfItsPartner) {
    for (const Case c : {kA, kA2}) {
        EXPECT_EQ(&CelluleAvec(grille, c, &GRILLE::PhotoAnimal), &Cellule(kA));
        EXPECT_EQ(&CelluleAvec(grille, c, &GRILLE::CriAnimal), &Cellule(kA));
    }
    EXPECT_EQ(&CelluleAvec(grille, kLibre, &GRILLE::CriAnimal), &Cellule(kLibre));
}

// Free cells are never waited for: a board without pairs is won from the start.
TEST_F(GrilleTest, AGameBeginsAtItsFirstRevealAndIsWonOnceEveryPairIsFound) {
    EXPECT_FALSE(PartieEntamee(grille));
    EXPECT_FALSE(ToutTrouve(grille));
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
