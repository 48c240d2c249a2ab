// SPDX-License-Identifier: MIT
#include "app/Emplacements.h"
#include "app/Parametres.h"
#include "app/platform/Application.h"
#include "app/platform/ChangeFileExt.h"
#include "app/sdimain.h"
#include "support/Coquille.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <memory>
#include <string>
#include <variant>
#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace {

using SettingsTest = CoquilleTest;

// Start-up plays its welcome only when sounds are on.
bool DebutJoue(const FakeSound& sons) {
    return std::any_of(sons.played.begin(), sons.played.end(), [](const FakeSound::Played& son) {
        return son.fileName == "./Debut.wav" && son.flags == SND_ASYNC;
    });
}

TEST_F(SettingsTest, DefaultSettingsWithoutASettingsFile) {
    TSDIAppForm fenetre;
    EXPECT_EQ(fenetre.NbAnimaux[0], 12);
    EXPECT_EQ(fenetre.NbAnimaux[1], 10);
    EXPECT_TRUE(DebutJoue(sons));
}

// A file holding, in the rows' order, a value other than the default for every setting.
std::string FichierSansDefaut() {
    std::string texte;
    std::string section;
    for (const Parametre& parametre : kParametres) {
        if (section != parametre.section) {
            section = parametre.section;
            texte += "[" + section + "]\n";
        }
        if (std::holds_alternative<ParEnvironnement>(parametre.champ)) {
            for (int environnement = 0; environnement < kNbEnvironnements; ++environnement) {
                texte += std::string(kNomsEnvironnements[environnement]) + "=" +
                         std::to_string(parametre.defaut + 1 + environnement) + "\n";
            }
        } else { // other than the default for integers and booleans alike
            texte += std::string(parametre.cle) + "=" + std::to_string(1 - parametre.defaut) + "\n";
        }
    }
    return texte;
}

TEST_F(SettingsTest, EverySettingIsReadAndWrittenBackAsStored) {
    const std::string stockes = FichierSansDefaut();
    EcritIni(stockes);
    TSDIAppForm fenetre;
    EXPECT_FALSE(DebutJoue(sons));
    fenetre.close();
    EXPECT_EQ(LitIni(), stockes);
}

TEST_F(SettingsTest, CountsFallBackOnTheNumberedKeysThenOnFive) {
    EcritIni("[maxanim]\n0=3\n1=8\nSAVANE=4\n[Cases]\nDess=yes\n");
    TSDIAppForm fenetre;
    EXPECT_EQ(fenetre.MaxAnim[0], 4);
    EXPECT_EQ(fenetre.MaxAnim[1], 8);
    EXPECT_TRUE(fenetre.DessCases);

    EcritIni("[MaxAnim]\n1=2\n");
    TSDIAppForm autre;
    EXPECT_EQ(autre.MaxAnim[0], 5);
    EXPECT_EQ(autre.MaxAnim[1], 2);
}

TEST_F(SettingsTest, TheFirstCloseCreatesTheFileInItsOrder) {
    TSDIAppForm fenetre;
    fenetre.close();
    EXPECT_EQ(LitIni(),
              "[Jeu]\nTypeJeu=0\n[MaxAnim]\nSavane=5\nPolaire=5\nFerme=5\n[Cases]\nDess=1\n"
              "[Environ]\nDess=1\nBruitage=1\nNom=1\n[Form]\nInitMax=0\n[Image]\n"
              "Choix=0\n");
}

TEST_F(SettingsTest, AnExistingFileKeepsItsKeysAndIsUpdatedInPlace) {
    EcritIni("[Jeu]\nTypeJeu=1\n[MaxAnim]\n0=3\n1=8\n[Cases]\nDess=0\n");
    TSDIAppForm fenetre;
    EXPECT_EQ(fenetre.MaxAnim[0], 3);
    EXPECT_EQ(fenetre.MaxAnim[1], 8);
    fenetre.Bruitage = false;
    fenetre.DitNom = false;
    fenetre.close();
    EXPECT_EQ(LitIni(), "[Jeu]\nTypeJeu=1\n[MaxAnim]\n0=3\n1=8\nSavane=3\nPolaire=8\nFerme=5\n"
                        "[Cases]\nDess=0\n[Environ]\nDess=1\nBruitage=0\nNom=0\n[Form]\nInitMax=0\n"
                        "[Image]\nChoix=0\n");
}

TEST_F(SettingsTest, SettingsBesideAProgramInAFolderNamedWithAccentsAreReadBack) {
    const QDir jeux(dossier.Chemin(QStringLiteral("Jeux d'Hélène")));
    ASSERT_TRUE(jeux.mkpath("."));
    programme.fichier = jeux.filePath("kornibelle").toStdString();
    {
        TSDIAppForm fenetre;
        fenetre.TypeJeu = 1;
        fenetre.close();
    }
    EXPECT_TRUE(jeux.exists("kornibelle.INI"));
    EXPECT_EQ(TSDIAppForm().TypeJeu, 1);
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
    {
        // Ended while minimised, as some platforms report a maximised window: minimised only.
        TSDIAppForm fenetre;
        fenetre.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
        fenetre.setWindowState(Qt::WindowMinimized);
        fenetre.close();
    }
    EXPECT_NE(LitIni().find("[Form]\nInitMax=1\n"), std::string::npos);

    TSDIAppForm normale;
    normale.setWindowState(Qt::WindowNoState);
    normale.close();
    EXPECT_NE(LitIni().find("[Form]\nInitMax=0\n"), std::string::npos);
}

// Read where it is; written to the user's own file, which begins as its copy and is the one
// read from then on.
TEST_F(SettingsTest, AReadOnlyFileIsReadAndTheUserFileTakesTheWrites) {
    const std::string avant = "; commun\n[Jeu]\nTypeJeu=1\n[MaxAnim]\n0=3\n";
    EcritIni(avant);
    QFile::setPermissions(FichierIni(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    {
        TSDIAppForm fenetre;
        EXPECT_EQ(fenetre.TypeJeu, 1);
        EXPECT_EQ(fenetre.MaxAnim[0], 3);
        fenetre.MaxAnim[1] = 2;
        fenetre.close();
    }
    EXPECT_EQ(LitIni(), avant);
    QFile personnel(QString::fromStdString(
        FakeUserFolders::File(Files::UserFolder::Settings, "kornibelle.INI")));
    ASSERT_TRUE(personnel.open(QIODevice::ReadOnly));
    EXPECT_EQ(personnel.readAll().toStdString(),
              "; commun\n[Jeu]\nTypeJeu=1\n[MaxAnim]\n0=3\nSavane=3\nPolaire=2\nFerme=5\n"
              "[Cases]\nDess=1\n[Environ]\nDess=1\nBruitage=1\nNom=1\n[Form]\nInitMax=0\n[Image]\n"
              "Choix=0\n");
    TSDIAppForm suivante;
    EXPECT_EQ(suivante.MaxAnim[1], 2);
    QFile::setPermissions(FichierIni(), QFile::ReadOwner | QFile::WriteOwner);
}

// A user's file that cannot begin as a whole copy (a full disk, in a child) is not begun.
TEST_F(SettingsTest, AUserFileThatCannotBeginAsACopyIsNotWritten) {
#ifdef _WIN32
    GTEST_SKIP() << "A full disk is made with setrlimit, which Windows lacks";
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            EcritIni("[Jeu]\nTypeJeu=1\n; " + std::string(200, 'x') + "\n");
            QFile::setPermissions(FichierIni(), QFile::ReadOwner);
            TSDIAppForm fenetre;
            const rlimit limite = (rlimit{16, 16});
            ::setrlimit(RLIMIT_FSIZE, &limite);
            std::signal(SIGXFSZ, SIG_IGN);
            fenetre.close();
            const bool rien = QDir(dossier.Chemin("config/kornibelle")).isEmpty(QDir::Files);
            QDir(dossier.Chemin()).removeRecursively();
            std::_Exit(rien ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
#endif
}

TEST_F(SettingsTest, AFileThatCannotBeWrittenAnywhereDoesNotStopClosing) {
    const std::string avant = "[Jeu]\nTypeJeu=1\n";
    EcritIni(avant);
    QFile::setPermissions(FichierIni(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    // A plain file where the user's folders should be: the user's file cannot be made.
    QFile bouchon(dossier.Chemin("bouchon"));
    ASSERT_TRUE(bouchon.open(QIODevice::WriteOnly));
    qputenv("XDG_CONFIG_HOME", dossier.Chemin("bouchon").toLocal8Bit());
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

TEST(SettingsFileNameTest, LiesBesideTheProgram) {
    FakeMessages messages;
    FakeSound sons;
    DossierTemp dossier;
    TSDIAppForm fenetre;
    EXPECT_EQ(fenetre.FichierParametres(),
              CheminParametres(ChangeFileExt(Application::ExeName(), ".INI")));
}

} // namespace
