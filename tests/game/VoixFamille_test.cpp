// SPDX-License-Identifier: MIT
#include "game/VoixFamille.h"

#include "support/GameWindow.h"

#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class VoixFamilleTest : public GameWindowTest {
protected:
    VoixFamilleTest() {
        Form().DitNom = true;
        sons.played.clear();
    }

    // The cell of the board that holds the first animal's cry and name.
    Case PremierAnimal() const {
        for (int ligne = 0; ligne < NbLignes; ++ligne) {
            for (int colonne = 0; colonne < NbColonnes; ++colonne) {
                if (!Cellule({ligne, colonne}).CriAnimal.empty()) {
                    return {ligne, colonne};
                }
            }
        }
        return {-1, -1};
    }
    const GRILLE& Cellule(Case c) const { return SDIAppForm->Grille[c.Ligne][c.Colonne]; }
};

TEST_F(VoixFamilleTest, TheFamilysSoundIsPlayedInsteadOfThePacksUnlessItCannotBeRead) {
    const Case animal = PremierAnimal();
    const GRILLE& cellule = Cellule(animal);
    assets::WriteWav(FichierFamille(cellule.CriAnimal));
    QFile casse(QString::fromStdString(FichierFamille(cellule.NomAnimal)));
    ASSERT_TRUE(casse.open(QIODevice::WriteOnly) && casse.write("pas un son") > 0);
    casse.close();

    Form().JoueCri(animal.Ligne, animal.Colonne);
    ASSERT_EQ(sons.played.size(), 2u);
    EXPECT_EQ(sons.played[0].fileName, FichierFamille(cellule.CriAnimal));
    EXPECT_EQ(sons.played[1].fileName, cellule.NomAnimal);
    EXPECT_NE(
        Trace().find("illisible, celle du jeu la remplace : " + FichierFamille(cellule.NomAnimal)),
        std::string::npos);
}

// What the sound card is given, through SDL's disk driver.
TEST_F(VoixFamilleTest, WithTheNameOffOnlyTheCryIsHeard) {
    const GRILLE& cellule = Cellule(PremierAnimal());
    WriteSteadyWav(QString::fromStdString(cellule.CriAnimal), 0.2, 1000);
    WriteSteadyWav(QString::fromStdString(cellule.NomAnimal), 0.2, 2000);
    DiskAudio disque(dossier.Chemin());
    SetSoundPlayer(nullptr);
    Form().DitNom = false;
    Form().JoueCri(PremierAnimal().Ligne, PremierAnimal().Colonne);
    QTest::qWait(600);
    EXPECT_EQ(disque.Levels(), (std::vector{1000}));
}

} // namespace
