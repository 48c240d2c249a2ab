// SPDX-License-Identifier: MIT
#include "app/Emplacements.h"
#include "app/platform/Files.h"
#include "support/Fakes.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>

namespace fs = std::filesystem;

namespace {

// Root writes through permission bits: a folder made read-only by chmod is writable to it, so
// the portable way to make a place unwritable is a plain file where a folder is expected.
class EmplacementsTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.isValid());
        racine_ = temp_.path().toStdString();
        qputenv("HOME", QByteArray::fromStdString((racine_ / "maison").string()));
        personnels_ = std::make_unique<FakeUserFolders>(racine_.string());
    }
    void TearDown() override {
        personnels_.reset();
        maison_.presente ? qputenv("HOME", maison_.valeur) : qunsetenv("HOME");
    }

    fs::path Dossier(const char* nom) const {
        fs::create_directories(racine_ / nom);
        return racine_ / nom;
    }
    fs::path FichierAuLieuDeDossier(const char* nom) const {
        std::ofstream(racine_ / nom) << "pas un dossier";
        return racine_ / nom;
    }

    fs::path racine_;

private:
    QTemporaryDir temp_;
    struct {
        QByteArray valeur = qgetenv("HOME");
        bool presente = qEnvironmentVariableIsSet("HOME");
    } maison_;
    std::unique_ptr<FakeUserFolders> personnels_;
};

// Linux's own rules: the XDG base directories, folders made read-only by their mode.
class EmplacementsLinuxTest : public EmplacementsTest {
protected:
    void SetUp() override {
#ifdef _WIN32
        GTEST_SKIP() << "Linux's rules: on Windows the user's folder is the application-data "
                        "folder, and only access lists deny writing to a folder";
#endif
        EmplacementsTest::SetUp();
    }
};

bool PeutEcrire(const std::string& fichier) {
    return static_cast<bool>(std::ofstream(fichier) << "[Jeu]\n");
}

TEST_F(EmplacementsTest, SettingsStayBesideAProgramWhoseFolderIsWritable) {
    const std::string fichier = (Dossier("bin") / "kornibelle.INI").string();
    EXPECT_EQ(CheminParametres(fichier), fichier);
    std::ofstream(fichier) << "[Jeu]\n";
    EXPECT_EQ(CheminParametres(fichier), fichier);
}

TEST_F(EmplacementsTest, SettingsGoToTheUserConfigFolderWhenTheProgramFolderCannotBeWritten) {
    const fs::path fichier = FichierAuLieuDeDossier("bin") / "kornibelle.INI";
    const std::string chemin = CheminParametres(fichier.string());
    EXPECT_EQ(chemin, FakeUserFolders::File(Files::UserFolder::Settings, "kornibelle.INI"));
    EXPECT_TRUE(PeutEcrire(chemin));
    EXPECT_EQ(CheminParametres(fichier.string()), chemin);
}

TEST_F(EmplacementsLinuxTest, UserFoldersAreAbsoluteXdgFoldersElseBelowHome) {
    const std::string fichier = (FichierAuLieuDeDossier("bin") / "kornibelle.INI").string();
    EXPECT_EQ(CheminParametres(fichier), (racine_ / "config/kornibelle/kornibelle.INI").string());
    const std::string attendu = (racine_ / "maison/.config/kornibelle/kornibelle.INI").string();
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(CheminParametres(fichier), attendu);
    qputenv("XDG_CONFIG_HOME", "config-relative");
    EXPECT_EQ(CheminParametres(fichier), attendu);
    EXPECT_TRUE(PeutEcrire(attendu));

    const std::string travail = FichierAuLieuDeDossier("travail").string();
    EXPECT_EQ(CheminTrace(travail), (racine_ / "etat/kornibelle/espion.log").string());
    qunsetenv("XDG_STATE_HOME");
    EXPECT_EQ(CheminTrace(travail),
              (racine_ / "maison/.local/state/kornibelle/espion.log").string());
}

// Marked read-only is enough, for root too.
TEST_F(EmplacementsTest, AReadOnlySettingsFileSendsSettingsToTheUserFolder) {
    const std::string fichier = (Dossier("bin") / "kornibelle.INI").string();
    std::ofstream(fichier) << "[Jeu]\n";
    fs::permissions(fichier, fs::perms::owner_read);
    EXPECT_EQ(CheminParametres(fichier),
              FakeUserFolders::File(Files::UserFolder::Settings, "kornibelle.INI"));
    fs::permissions(fichier, fs::perms::owner_read | fs::perms::owner_write);
}

// A writable file in a read-only folder cannot be replaced whole either.
TEST_F(EmplacementsLinuxTest, AReadOnlyProgramFolderSendsSettingsToTheUserFolder) {
    const fs::path bin = Dossier("bin");
    const std::string fichier = (bin / "kornibelle.INI").string();
    const std::string personnel =
        FakeUserFolders::File(Files::UserFolder::Settings, "kornibelle.INI");
    std::ofstream(fichier) << "[Jeu]\n";
    fs::permissions(bin, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(CheminParametres(fichier), personnel);
    fs::permissions(bin, fs::perms::owner_all);
    fs::remove(fichier);
    fs::permissions(bin, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(CheminParametres(fichier), personnel);
    fs::permissions(bin, fs::perms::owner_all);
}

TEST_F(EmplacementsTest, AReadOnlyFileIsReadUntilTheUserFileExistsAndBeginsItsCopy) {
    const std::string fichier = (Dossier("bin") / "kornibelle.INI").string();
    const std::string contenu = "; \xE0 la main\r\n[Jeu]\r\nTypeJeu=1";
    std::ofstream(fichier, std::ios::binary) << contenu;
    EXPECT_EQ(CheminLectureParametres(fichier), fichier);
    fs::permissions(fichier, fs::perms::owner_read);
    const std::string personnel = CheminParametres(fichier);
    ASSERT_NE(personnel, fichier);
    EXPECT_EQ(CheminLectureParametres(fichier), fichier);

    CommenceParCopie(personnel, fichier);
    EXPECT_EQ(CheminLectureParametres(fichier), personnel);
    std::ifstream copie(personnel, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(copie), {}), contenu);
    EXPECT_NE(fs::status(personnel).permissions() & fs::perms::owner_write, fs::perms::none);

    std::ofstream(personnel) << "[Jeu]\nTypeJeu=0\n";
    CommenceParCopie(personnel, fichier);
    std::ifstream gardee(personnel);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(gardee), {}), "[Jeu]\nTypeJeu=0\n");
}

TEST_F(EmplacementsTest, TraceStaysInAWritableWorkingFolder) {
    const fs::path travail = Dossier("travail");
    EXPECT_EQ(CheminTrace(travail.string()), (travail / "espion.log").string());
}

TEST_F(EmplacementsTest, TraceGoesToTheUserStateFolderWhenTheWorkingFolderCannotBeWritten) {
    const std::string travail = FichierAuLieuDeDossier("travail").string();
    const std::string chemin = CheminTrace(travail);
    EXPECT_EQ(chemin, FakeUserFolders::File(Files::UserFolder::State, "espion.log"));
    EXPECT_TRUE(PeutEcrire(chemin));
}

// Run as an administrator, the game could write into Program Files: what is there is every
// user's, so its settings and its trace go to the user's own folders all the same.
TEST_F(EmplacementsTest, NothingIsKeptInProgramFilesEvenWhereItCouldBeWritten) {
#ifndef _WIN32
    GTEST_SKIP() << "Windows' own rule: Linux has no Program Files";
#endif
    const fs::path programmes =
        fs::path(qEnvironmentVariable("ProgramFiles").toStdWString()) / "Kornibelle essai";
    fs::create_directories(programmes);
    EXPECT_EQ(CheminParametres(Files::Utf8(programmes / "Kornibelle.INI")),
              FakeUserFolders::File(Files::UserFolder::Settings, "Kornibelle.INI"));
    EXPECT_EQ(CheminTrace(Files::Utf8(programmes)),
              FakeUserFolders::File(Files::UserFolder::State, "espion.log"));
    fs::remove_all(programmes);
}

TEST_F(EmplacementsLinuxTest, AUserFolderThatCannotBeMadeIsLeftToTheWriteToReport) {
    const std::string fichier = (FichierAuLieuDeDossier("bin") / "kornibelle.INI").string();
    qputenv("XDG_CONFIG_HOME",
            QByteArray::fromStdString(FichierAuLieuDeDossier("config").string()));
    const std::string chemin = CheminParametres(fichier);
    EXPECT_EQ(chemin, (racine_ / "config/kornibelle/kornibelle.INI").string());
    EXPECT_FALSE(PeutEcrire(chemin));
}

} // namespace
