// SPDX-License-Identifier: MIT
#include "app/Fenetres.h"
#include "app/platform/Signals.h"
#include "app/sdimain.h"
#include "support/Coquille.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <cstdlib>
#include <memory>

namespace {

class CommandsTest : public CoquilleTest {
protected:
    CommandsTest() {
        fenetre.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
        const std::function<void()> peinture = fenetre.PB->OnPaint;
        fenetre.PB->OnPaint = [this, peinture] {
            ++peintures;
            peinture();
        };
    }
    void Declenche(const char* action) { fenetre.findChild<QAction*>(action)->trigger(); }

    FakeModal modal;
    TFenetres fenetres;
    TSDIAppForm& fenetre = *SDIAppForm;
    int peintures = 0;
};

TEST_F(CommandsTest, EnvironmentButtonsSwitchAndRepaint) {
    QTest::mouseClick(fenetre.Polaire, Qt::LeftButton);
    EXPECT_EQ(fenetre.TypeJeu, 1);
    EXPECT_GE(peintures, 2);

    peintures = 0;
    QTest::mouseClick(fenetre.Savane, Qt::LeftButton);
    EXPECT_EQ(fenetre.TypeJeu, 0);
    EXPECT_GE(peintures, 2);

    peintures = 0;
    QTest::mouseClick(fenetre.Savane, Qt::LeftButton);
    EXPECT_EQ(fenetre.TypeJeu, 0);
    EXPECT_GE(peintures, 2);

    peintures = 0;
    QTest::mouseClick(fenetre.Ferme, Qt::LeftButton);
    EXPECT_EQ(fenetre.TypeJeu, 2);
    EXPECT_GE(peintures, 2);
    int casesFerme = 0;
    for (const auto& ligne : fenetre.Grille) {
        for (const GRILLE& cellule : ligne) {
            casesFerme += cellule.Dessin.rfind("./Ferme/", 0) == 0 ? 1 : 0;
        }
    }
    EXPECT_EQ(casesFerme, 2 * fenetre.MaxAnim[2]);
}

TEST_F(CommandsTest, OptionsStartAGameOnlyWhenAnsweredYes) {
    modal.answers = {mrCancel, mrYes};
    Declenche("mOptions");
    EXPECT_EQ(peintures, 0);
    Declenche("mOptions");
    EXPECT_GE(peintures, 2);
    EXPECT_EQ(modal.Count("TOptions"), 2);
}

TEST_F(CommandsTest, AboutShowsTheAboutBox) {
    Declenche("HelpAbout1");
    EXPECT_EQ(modal.shown, std::vector<QString>({"TAboutBox"}));
}

TEST_F(CommandsTest, FileCommandsOnlyShowTheirDialogs) {
    {
        QFile existant("partie.txt");
        ASSERT_TRUE(existant.open(QIODevice::WriteOnly));
        existant.write("avant");
    }
    QStringList montres;
    int questions = 0;
    const auto ferme = [&](QFileDialog* dialogue) {
        QuandVisible(*dialogue, [&montres, &questions, dialogue] {
            montres << dialogue->windowTitle();
            EXPECT_EQ(dialogue->nameFilters(), QStringList({"Tous les fichiers (*.*)"}));
            dialogue->selectFile("partie.txt");
            // A question about the existing file would hold the dialog: counted, answered.
            QTimer::singleShot(0, [&questions] {
                if (auto* question =
                        qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    ++questions;
                    question->done(QMessageBox::Yes);
                }
            });
            static_cast<QDialog*>(dialogue)->accept();
        });
    };
    Declenche("FileNew1");
    ferme(&fenetre.OpenDialog());
    Declenche("FileOpen1");
    ferme(&fenetre.SaveDialog());
    Declenche("FileSave1");
    ferme(&fenetre.SaveDialog());
    Declenche("FileSaveAs1");
    EXPECT_EQ(montres.size(), 3);
    EXPECT_EQ(fenetre.OpenDialog().acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(fenetre.SaveDialog().acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(questions, 0);
    QFile existant("partie.txt");
    ASSERT_TRUE(existant.open(QIODevice::ReadOnly));
    EXPECT_EQ(existant.readAll(), "avant");
    EXPECT_TRUE(modal.shown.empty());
    EXPECT_EQ(peintures, 0);
    EXPECT_TRUE(fenetre.isVisible());
}

// Records whether the settings file was already written when the leaving sound played.
class EcouteSortie : public ISoundPlayer {
public:
    EcouteSortie(QString ini, std::vector<std::string>& joues, bool& iniAvantSon)
        : ini_(std::move(ini)), joues_(joues), iniAvantSon_(iniAvantSon) {}
    void Play(const std::string& fileName, unsigned flags) override {
        joues_.push_back(fileName + (flags == SND_SYNC ? " sync" : " async"));
        iniAvantSon_ = QFileInfo::exists(ini_);
    }

private:
    QString ini_;
    std::vector<std::string>& joues_;
    bool& iniAvantSon_;
};

TEST_F(CommandsTest, QuitterPlaysTheLeavingSoundThenWritesTheSettings) {
    std::vector<std::string> joues;
    bool iniAvantSon = true;
    SetSoundPlayer(std::make_unique<EcouteSortie>(FichierIni(), joues, iniAvantSon));
    Declenche("FileExit1");
    SetSoundPlayer(nullptr);
    EXPECT_EQ(joues, std::vector<std::string>({"./Sortie.wav sync"}));
    EXPECT_FALSE(iniAvantSon);
    EXPECT_FALSE(fenetre.isVisible());
    EXPECT_FALSE(LitIni().empty());
}

// The handlers of the signals belong to the whole process: this runs in a child of its own.
TEST_F(CommandsTest, ASignalClosesLikeTheCloseBoxWithoutTheLeavingSound) {
#ifdef _WIN32
    GTEST_SKIP() << "Linux's signals: Windows has no SIGTERM to send";
#endif
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Signals::CloseOnTermination(fenetre);
            sons.played.clear();
            std::raise(SIGTERM);
            for (int essai = 0; essai < 500 && fenetre.isVisible(); ++essai) {
                QTest::qWait(10);
            }
            const bool ferme = !fenetre.isVisible() && sons.played.empty() &&
                               LitIni().find("Bruitage=1") != std::string::npos &&
                               fenetre.Espion == nullptr && fenetre.Fond == nullptr;
            QDir(dossier.Chemin()).removeRecursively();
            std::_Exit(ferme ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(CommandsTest, ClosingWithoutSoundsIsSilent) {
    fenetre.Bruitage = false;
    sons.played.clear();
    fenetre.close();
    EXPECT_TRUE(sons.played.empty());
    EXPECT_NE(LitIni().find("Bruitage=0"), std::string::npos);
}

TEST_F(CommandsTest, ClosingReleasesThePicturesAndTheTrace) {
    for (auto& ligne : fenetre.Grille) {
        for (GRILLE& cellule : ligne) {
            cellule.Dessous = std::make_unique<TBitmap>();
        }
    }
    fenetre.Fond = std::make_unique<TBitmap>();
    fenetre.close();
    for (auto& ligne : fenetre.Grille) {
        for (GRILLE& cellule : ligne) {
            EXPECT_EQ(cellule.Dessous, nullptr);
        }
    }
    EXPECT_EQ(fenetre.Fond, nullptr);
    EXPECT_EQ(fenetre.Espion, nullptr);
}

} // namespace
