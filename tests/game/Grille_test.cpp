// SPDX-License-Identifier: MIT
#include "game/Grille.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
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

namespace {

// What every new board holds: `paires` distinct animals of the environment, each in two cells
// that name each other, its 'G' cell alone with the photograph, the cry and the name, all from
// one catalogue row; every other cell free, and nothing shown or found.
void ExpectBoardOf(const TGrille& grille, int environnement, int paires) {
    std::set<std::string> photos;
    int occupees = 0;
    for (int r = 0; r < NbLignes; ++r) {
        for (int c = 0; c < NbColonnes; ++c) {
            const GRILLE& cellule = grille[r][c];
            EXPECT_FALSE(cellule.Trouve);
            EXPECT_EQ(cellule.Dessous, nullptr);
            if (cellule.Dessin.empty()) {
                EXPECT_EQ((Case{cellule.LigneAutre, cellule.ColonneAutre}), (Case{-1, -1}));
                EXPECT_TRUE(cellule.PhotoAnimal.empty() && cellule.CriAnimal.empty());
                continue;
            }
            ++occupees;
            const Case autre{cellule.LigneAutre, cellule.ColonneAutre};
            ASSERT_TRUE(DansGrille(autre));
            const GRILLE& partenaire = grille[autre.Ligne][autre.Colonne];
            EXPECT_EQ((Case{partenaire.LigneAutre, partenaire.ColonneAutre}), (Case{r, c}));
            EXPECT_NE(cellule.PhotoAnimal.empty(), partenaire.PhotoAnimal.empty()) << r << c;
            if (cellule.PhotoAnimal.empty()) {
                continue;
            }
            photos.insert(cellule.PhotoAnimal);
            int rangees = 0;
            for (int animal = 0; animal < kNbAnimaux[environnement]; ++animal) {
                if (CheminCatalogue(environnement, animal, 'G') == cellule.Dessin) {
                    ++rangees;
                    EXPECT_EQ(CheminCatalogue(environnement, animal, 'D'), partenaire.Dessin);
                    EXPECT_EQ(CheminCatalogue(environnement, animal, 'I'), cellule.PhotoAnimal);
                    EXPECT_EQ(CheminCatalogue(environnement, animal, 'S'), cellule.CriAnimal);
                    EXPECT_EQ(CheminCatalogue(environnement, animal, 'N'), cellule.NomAnimal);
                    EXPECT_TRUE(partenaire.CriAnimal.empty() && partenaire.NomAnimal.empty());
                }
            }
            EXPECT_EQ(rangees, 1) << cellule.Dessin;
        }
    }
    EXPECT_EQ(occupees, 2 * paires);
    EXPECT_EQ(static_cast<int>(photos.size()), paires);
}

} // namespace

// Each draw starts from a board left mid-game: shown pictures released, found cells cleared.
// Never more than ten pairs on twenty cells, nor more animals than the catalogue has.
TEST(GrilleDrawTest, EveryDrawGivesAValidBoardOfTheAnimalsAsked) {
    struct Cas {
        int environnement;
        int demandes;
        int paires;
    };
    TGrille grille;
    for (const Cas cas : {Cas{0, 0, 0}, Cas{0, -3, 0}, Cas{0, 1, 1}, Cas{0, 5, 5}, Cas{1, 5, 5},
                          Cas{0, 10, 10}, Cas{0, 12, 10}, Cas{1, 10, 10}, Cas{1, 15, 10}}) {
        for (unsigned graine = 1; graine <= 60; ++graine) {
            SCOPED_TRACE(testing::Message() << "environment " << cas.environnement << " asked "
                                            << cas.demandes << " seed " << graine);
            for (auto& ligne : grille) {
                for (GRILLE& cellule : ligne) {
                    cellule.Trouve = true;
                    cellule.Dessous = std::make_unique<TBitmap>();
                }
            }
            std::srand(graine * 7919);
            const auto placees =
                TireGrille(grille, cas.environnement, kNbAnimaux[cas.environnement], cas.demandes);
            EXPECT_EQ(static_cast<int>(placees.size()), cas.paires);
            ExpectBoardOf(grille, cas.environnement, cas.paires);
        }
    }
}

// After the seed: every animal first, then for each pair its 'G' cell and then its 'D' cell,
// each drawn as a row, then a column, until it is free; so a seed keeps its board.
TEST(GrilleDrawTest, AFixedSeedGivesTheBoardOfItsDrawsInTheirOrder) {
    TGrille grille;
    for (const unsigned graine : {3U, 1234U, 99991U}) {
        SCOPED_TRACE(graine);
        std::srand(graine);
        const auto placees = TireGrille(grille, 0, kNbAnimaux[0], 2);
        std::srand(graine);
        const int premier = std::rand() % kNbAnimaux[0];
        int second = premier;
        while (second == premier) {
            second = std::rand() % kNbAnimaux[0];
        }
        std::set<std::pair<int, int>> prises;
        const auto caseLibre = [&prises] {
            std::pair<int, int> cellule;
            do {
                cellule.first = std::rand() % NbLignes;
                cellule.second = std::rand() % NbColonnes;
            } while (!prises.insert(cellule).second);
            return Case{cellule.first, cellule.second};
        };
        ASSERT_EQ(placees.size(), 2U);
        for (int k = 0; k < 2; ++k) {
            const int animal = k == 0 ? premier : second;
            EXPECT_EQ(placees[k].G, caseLibre());
            EXPECT_EQ(placees[k].D, caseLibre());
            EXPECT_EQ(grille[placees[k].G.Ligne][placees[k].G.Colonne].Dessin,
                      CheminCatalogue(0, animal, 'G'));
            EXPECT_EQ(grille[placees[k].D.Ligne][placees[k].D.Colonne].Dessin,
                      CheminCatalogue(0, animal, 'D'));
        }
    }
}
