// SPDX-License-Identifier: MIT
#include "app/sdimain.h"
#include "support/Coquille.h"

#include <QFile>
#include <QTest>
#include <memory>

namespace {

using SettingsTest = CoquilleTest;

TEST_F(SettingsTest, TheFirstCloseCreatesTheFileInItsOrder) {
    TSDIAppForm fenetre;
    fenetre.close();
    EXPECT_EQ(LitIni(), "[Jeu]\nTypeJeu=0\n[MaxAnim]\nSavane=5\nPolaire=5\n[Cases]\nDess=1\n"
                        "[Environ]\nDess=1\nBruitage=1\n[Form]\nInitMax=0\n[Image]\nChoix=0\n");
}

TEST_F(SettingsTest, AnExistingFileKeepsItsKeysAndIsUpdatedInPlace) {
    EcritIni("[Jeu]\nTypeJeu=1\n[MaxAnim]\n0=3\n1=8\n[Cases]\nDess=0\n");
    TSDIAppForm fenetre;
    EXPECT_EQ(fenetre.MaxAnim[0], 3);
    EXPECT_EQ(fenetre.MaxAnim[1], 8);
    fenetre.Bruitage = false;
    fenetre.close();
    EXPECT_EQ(LitIni(), "[Jeu]\nTypeJeu=1\n[MaxAnim]\n0=3\n1=8\nSavane=3\nPolaire=8\n[Cases]\n"
                        "Dess=0\n[Environ]\nDess=1\nBruitage=0\n[Form]\nInitMax=0\n[Image]\n"
                        "Choix=0\n");
}

TEST_F(SettingsTest, CountsChosenSinceAreReadAtTheNextStart) {
    {
        TSDIAppForm fenetre;
        fenetre.TypeJeu = 1;
        fenetre.MaxAnim[0] = 2;
        fenetre.MaxAnim[1] = 9;
        fenetre.ChoixImage = 1;
        fenetre.close();
    }
    TSDIAppForm suivante;
    EXPECT_EQ(suivante.TypeJeu, 1);
    EXPECT_EQ(suivante.MaxAnim[0], 2);
    EXPECT_EQ(suivante.MaxAnim[1], 9);
    EXPECT_EQ(suivante.ChoixImage, 1);
}

TEST_F(SettingsTest, TheMaximisedStateIsRememberedAndOnlyIt) {
    EcritIni("[Form]\nInitMax=1\n");
    {
        TSDIAppForm fenetre;
        fenetre.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
        EXPECT_TRUE(fenetre.isMaximized());
        fenetre.close();
    }
    EXPECT_NE(LitIni().find("[Form]\nInitMax=1\n"), std::string::npos);

    TSDIAppForm normale;
    normale.setWindowState(Qt::WindowNoState);
    normale.close();
    EXPECT_NE(LitIni().find("[Form]\nInitMax=0\n"), std::string::npos);
}

TEST_F(SettingsTest, AReadOnlyFileDoesNotStopClosing) {
    const std::string avant = "[Jeu]\nTypeJeu=1\n";
    EcritIni(avant);
    QFile::setPermissions(FichierIni(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    TSDIAppForm fenetre;
    fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
    fenetre.Grille[0][0].Dessous = std::make_unique<TBitmap>();
    fenetre.Fond = std::make_unique<TBitmap>();
    EXPECT_TRUE(fenetre.close());
    EXPECT_FALSE(fenetre.isVisible());
    EXPECT_EQ(LitIni(), avant);
    EXPECT_EQ(fenetre.Espion, nullptr);
    EXPECT_EQ(fenetre.Grille[0][0].Dessous, nullptr);
    EXPECT_EQ(fenetre.Fond, nullptr);
    QFile::setPermissions(FichierIni(), QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace
