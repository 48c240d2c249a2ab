// SPDX-License-Identifier: MIT
#include "app/platform/IniFile.h"
#include "support/Fakes.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <gtest/gtest.h>
#include <string>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

std::string Read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll().toStdString();
}

void Write(const QString& path, const std::string& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content.data(), qint64(content.size()));
}

class IniFileTest : public testing::Test {
protected:
    DossierTemp dossier;
    QString path = dossier.Chemin("game.INI");
    std::string name = path.toStdString();
};

TEST_F(IniFileTest, ReadsNamesWithoutCaseAndAnythingButANumberAsTheDefault) {
    Write(path, "[Jeu]\nTypeJeu=1\n[cases]\ndess=yes\nVide=\nEspaces= 7 \nSigne=-3\n"
                "Moitie=12abc\nEnorme=99999999999\n[Environ]\nDess=0\nBruitage=2\n");
    const TIniFile ini(name);
    EXPECT_EQ(ini.ReadInteger("JEU", "typejeu", 0), 1);
    EXPECT_TRUE(ini.ReadBool("Cases", "Dess", true));
    EXPECT_FALSE(ini.ReadBool("Cases", "Dess", false));
    EXPECT_EQ(ini.ReadInteger("Cases", "Vide", 4), 4);
    EXPECT_EQ(ini.ReadInteger("Cases", "Espaces", 4), 7);
    EXPECT_EQ(ini.ReadInteger("Cases", "Signe", 4), -3);
    EXPECT_EQ(ini.ReadInteger("Cases", "Moitie", 4), 4);
    EXPECT_EQ(ini.ReadInteger("Cases", "Enorme", 4), 4);
    EXPECT_EQ(ini.ReadInteger("Cases", "Absente", 4), 4);
    EXPECT_EQ(ini.ReadInteger("Absente", "Dess", 4), 4);
    EXPECT_FALSE(ini.ReadBool("Environ", "Dess", true));
    EXPECT_TRUE(ini.ReadBool("Environ", "Bruitage", false));
}

TEST_F(IniFileTest, HandWrittenLinesAreReadAsTheyMean) {
    Write(path,
          "\xEF\xBB\xBF[Jeu]\nTypeJeu = 1\n; TypeJeu=5\n#Choix=5\n  Choix\t=\t 4 \n"
          "Choix=9\nsans egal\n[Image\nChoix=3\n[Cases]\nDess=0\n[jeu]\nTypeJeu=7\nAutre=3\n");
    const TIniFile ini(name);
    EXPECT_EQ(ini.ReadInteger("Jeu", "TypeJeu", 0), 1);
    EXPECT_EQ(ini.ReadInteger("Jeu", "Choix", 0), 4);
    EXPECT_EQ(ini.ReadInteger("Jeu", "sans egal", 0), 0);
    EXPECT_EQ(ini.ReadInteger("Image", "Choix", 0), 0);
    EXPECT_EQ(ini.ReadInteger("Jeu", "Autre", 0), 0);
    EXPECT_FALSE(ini.ReadBool("Cases", "Dess", true));
}

TEST_F(IniFileTest, AWriteChangesOnlyTheValueOrAddsALineWhereItBelongs) {
    const std::string autres = "[Autre]\nNom=\xE9l\xE9phant \xAB\xA0\xBB\ncl\xE9\n";
    Write(path, "; r\xE9glages \xE0 la main\n\n[Jeu]\n TypeJeu =  1  \nTypeJeu=5\n\n"
                "; les animaux\n" +
                    autres + "[MaxAnim]\nSavane=\n[jeu]\nChoix=2\n");
    TIniFile ini(name);
    EXPECT_TRUE(ini.WriteInteger("JEU", "typejeu", 0));
    EXPECT_TRUE(ini.WriteInteger("Jeu", "Neuf", 3));
    EXPECT_TRUE(ini.WriteInteger("MaxAnim", "Savane", 4));
    EXPECT_TRUE(ini.WriteInteger("Autre", "Polaire", 6));
    EXPECT_TRUE(ini.WriteBool("Form", "InitMax", true));
    EXPECT_EQ(Read(path), "; r\xE9glages \xE0 la main\n\n[Jeu]\n TypeJeu =  0  \nTypeJeu=5\n"
                          "Neuf=3\n\n; les animaux\n" +
                              autres +
                              "Polaire=6\n[MaxAnim]\n"
                              "Savane=4\n[jeu]\nChoix=2\n[Form]\nInitMax=1\n");
    EXPECT_EQ(TIniFile(name).ReadInteger("Jeu", "Choix", 0), 0);
}

TEST_F(IniFileTest, LineEndsStayAsTheFileHasThem) {
    Write(path, "[Jeu]\r\nTypeJeu=1\r\n[Cases]\r\nDess=1");
    TIniFile crlf(name);
    EXPECT_TRUE(crlf.WriteBool("Cases", "Dess", false));
    EXPECT_EQ(Read(path), "[Jeu]\r\nTypeJeu=1\r\n[Cases]\r\nDess=0");
    EXPECT_TRUE(crlf.WriteInteger("Jeu", "Choix", 1));
    EXPECT_TRUE(crlf.WriteBool("Cases", "Vue", true));
    EXPECT_EQ(Read(path), "[Jeu]\r\nTypeJeu=1\r\nChoix=1\r\n[Cases]\r\nDess=0\r\nVue=1\r\n");

    Write(path, "[Jeu]\nTypeJeu=1");
    TIniFile lf(name);
    EXPECT_TRUE(lf.WriteInteger("Image", "Choix", 1));
    EXPECT_EQ(Read(path), "[Jeu]\nTypeJeu=1\n[Image]\nChoix=1\n");
}

TEST_F(IniFileTest, AMissingFileReadsDefaultsAndTheFirstWriteCreatesIt) {
    {
        const TIniFile ini(name);
        EXPECT_EQ(ini.ReadInteger("MaxAnim", "0", 5), 5);
    }
    TIniFile ini(name);
    EXPECT_TRUE(ini.WriteInteger("Jeu", "TypeJeu", 0));
    EXPECT_TRUE(ini.WriteInteger("MaxAnim", "Savane", 5));
    EXPECT_TRUE(ini.WriteBool("Cases", "Dess", true));
    EXPECT_TRUE(ini.WriteBool("Form", "InitMax", false));
    EXPECT_EQ(Read(path),
              "[Jeu]\nTypeJeu=0\n[MaxAnim]\nSavane=5\n[Cases]\nDess=1\n[Form]\nInitMax=0\n");
    EXPECT_EQ(TIniFile(name).ReadInteger("maxanim", "SAVANE", 0), 5);
}

TEST_F(IniFileTest, UpdatesInPlaceAndAppendsNewKeysAndSections) {
    Write(path, "[MaxAnim]\n0=3\n1=8\n[Cases]\nDess=1\n");
    TIniFile ini(name);
    EXPECT_TRUE(ini.WriteInteger("maxanim", "savane", 4));
    EXPECT_TRUE(ini.WriteBool("CASES", "dess", false));
    EXPECT_TRUE(ini.WriteInteger("Image", "Choix", 1));
    EXPECT_EQ(Read(path), "[MaxAnim]\n0=3\n1=8\nsavane=4\n[Cases]\nDess=0\n[Image]\nChoix=1\n");
    EXPECT_EQ(ini.ReadInteger("MaxAnim", "0", 5), 3);
    EXPECT_EQ(ini.ReadInteger("MaxAnim", "Savane", 5), 4);
}

TEST_F(IniFileTest, AFileThatCannotBeWrittenStaysAsItWas) {
    const std::string before = "[Jeu]\r\nTypeJeu=1\r\n; a comment\r\n";
    Write(path, before);
    QFile::setPermissions(path, QFile::ReadOwner);
    TIniFile ini(name);
    EXPECT_FALSE(ini.WriteInteger("Jeu", "TypeJeu", 0));
    EXPECT_FALSE(ini.WriteBool("Form", "InitMax", true));
    EXPECT_EQ(Read(path), before);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(IniFileTest, AWriteCutShortByAFullDiskLeavesTheOldFileWhole) {
#ifdef _WIN32
    GTEST_SKIP() << "A full disk is made with setrlimit in a child, which Windows lacks";
#else
    const std::string before = "[Jeu]\nTypeJeu=1\n; " + std::string(200, 'x') + "\n";
    Write(path, before);
    // A child that may not make any file longer than a few bytes, as a full disk would.
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        const rlimit limit{16, 16};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN);
        TIniFile ini(name);
        ::_exit(ini.WriteInteger("Jeu", "TypeJeu", 0) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the write did not fail";
    EXPECT_EQ(Read(path), before);
    EXPECT_EQ(QDir(dossier.Chemin()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"game.INI"}));
#endif
}

TEST_F(IniFileTest, AFolderThatCannotBeWrittenMakesTheWriteFail) {
#ifdef _WIN32
    GTEST_SKIP() << "A folder made unwritable by its mode: Windows denies writing to a folder by "
                    "access lists alone, which Wine does not keep";
#endif
    const QString folder = dossier.Chemin();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    TIniFile ini(name);
    const bool written = ini.WriteInteger("Jeu", "TypeJeu", 0);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(written);
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
