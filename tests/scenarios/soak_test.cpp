// SPDX-License-Identifier: MIT
// A long session: a thousand games played through the paint box's mouse handlers, each won
// and followed by the won window's play-again answer. Every board must hold its invariants,
// nothing may be reported, and memory must not grow with the games played.
//
// KORNIBELLE_SOAK_GAMES sets the number of games (fewer by default under the sanitizers,
// which check for leaks at the end instead).
#include "app/platform/PaintBox.h"
#include "support/Fakes.h"
#include "support/GameWindow.h"

#include <QMouseEvent>
#include <QTest>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>
#else
#include <unistd.h>
#endif

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSousSanitizer = true;
#else
constexpr bool kSousSanitizer = false;
#endif

int NombreDeParties() {
    if (const char* valeur = std::getenv("KORNIBELLE_SOAK_GAMES")) {
        return std::max(1, std::atoi(valeur));
    }
    return kSousSanitizer ? 200 : 1000;
}

long MemoireResidenteKo() {
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS compteurs{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &compteurs, sizeof compteurs);
    return static_cast<long>(compteurs.WorkingSetSize / 1024);
#else
    std::ifstream statm("/proc/self/statm");
    long taille = 0;
    long residente = 0;
    statm >> taille >> residente;
    return residente * (sysconf(_SC_PAGESIZE) / 1024);
#endif
}

struct Cellule {
    int Ligne;
    int Colonne;
};

class SoakTest : public GameWindowTest {
protected:
    SoakTest() {
        // Wider than the window's least width, so that cells and sprites agree.
        assets::WriteBackgrounds(400, 330);
        modal.defaultAnswer = mrYes;
    }

    GRILLE& Case(Cellule c) { return Form().Grille[c.Ligne][c.Colonne]; }

    void Clique(Cellule c) {
        const int l = Form().PB->Width();
        const int h = Form().PB->Height();
        const QPoint centre(c.Colonne * l / 5 + l / 10, c.Ligne * h / 4 + h / 8);
        QTest::mouseClick(Form().PB, Qt::LeftButton, {}, centre);
    }

    // The board as set up for the current settings; returns its pairs, 'G' cell first.
    std::vector<std::pair<Cellule, Cellule>> VerifiePlateau() {
        const int type = Form().TypeJeu;
        const int attendues = std::clamp(std::min(Form().MaxAnim[type], Form().NbAnimaux[type]), 0,
                                         NbLignes * NbColonnes / 2);
        std::vector<std::pair<Cellule, Cellule>> paires;
        std::set<std::string> photos;
        int occupees = 0;
        for (int l = 0; l < NbLignes; ++l) {
            for (int c = 0; c < NbColonnes; ++c) {
                const GRILLE& cellule = Form().Grille[l][c];
                EXPECT_FALSE(cellule.Trouve);
                EXPECT_EQ(cellule.Dessous, nullptr);
                if (cellule.Dessin.empty()) {
                    EXPECT_EQ(cellule.LigneAutre, -1);
                    EXPECT_EQ(cellule.ColonneAutre, -1);
                    continue;
                }
                ++occupees;
                const GRILLE& autre = Form().Grille[cellule.LigneAutre][cellule.ColonneAutre];
                EXPECT_EQ(autre.LigneAutre, l);
                EXPECT_EQ(autre.ColonneAutre, c);
                EXPECT_NE(&autre, &cellule);
                if (!cellule.PhotoAnimal.empty()) {
                    EXPECT_FALSE(cellule.CriAnimal.empty());
                    EXPECT_TRUE(autre.PhotoAnimal.empty() && autre.CriAnimal.empty());
                    EXPECT_TRUE(photos.insert(cellule.PhotoAnimal).second)
                        << "one animal twice: " << cellule.PhotoAnimal;
                    paires.push_back({{l, c}, {cellule.LigneAutre, cellule.ColonneAutre}});
                }
            }
        }
        EXPECT_EQ(occupees, 2 * attendues);
        EXPECT_EQ(int(paires.size()), attendues);
        return paires;
    }

    // Wins the board with a few wrong presses on the way: a free cell, another animal,
    // the partner of a revealed cell.
    void Joue(const std::vector<std::pair<Cellule, Cellule>>& paires) {
        for (std::size_t k = 0; k < paires.size(); ++k) {
            const auto& [g, d] = paires[k];
            if (k + 1 < paires.size()) {
                Clique(paires[k + 1].first);
                Clique(d);
            }
            Clique(g);
            Clique(d);
            ASSERT_TRUE(k + 1 == paires.size() || (Case(g).Trouve && Case(d).Trouve))
                << "pair " << k << " not found";
        }
    }

    FausseGraine graine_{1'000'000, 1};
};

TEST_F(SoakTest, AThousandGamesWonOneAfterTheOtherKeepEveryBoardSoundAndMemoryFlat) {
    const int parties = NombreDeParties();
    long apresCent = 0;
    Form().DessCases = true;
    for (int partie = 0; partie < parties; ++partie) {
        // Every environment and number of animals, the empty board excepted; pictures that
        // disappear every third game, the photograph window now and then.
        Form().TypeJeu = partie % 2;
        Form().MaxAnim[Form().TypeJeu] = 1 + partie % 12;
        Form().ChoixImage = partie % 3 == 0 ? 1 : 0;
        Form().DessEnviron = partie % 10 == 0;
        Form().LanceNouveauJeu();
        const auto paires = VerifiePlateau();
        const std::size_t bravos = modal.shown.size();
        Joue(paires);
        ASSERT_EQ(modal.shown.size(), bravos + 1) << "game " << partie << " not won";
        ASSERT_TRUE(messages.messages.empty())
            << "game " << partie << ": " << messages.messages.front().text.toStdString();
        if (HasFailure()) {
            return;
        }
        sons.played.clear();
        modal.shown.clear();
        if (partie == 99) {
            apresCent = MemoireResidenteKo();
        }
    }
    if (!kSousSanitizer && parties >= 1000) {
        // Memory taken once (caches, the trace's buffer) is there after a hundred games;
        // what remains is the growth per game, which must be nil.
        EXPECT_LT(MemoireResidenteKo() - apresCent, 4 * 1024) << "KiB grown over 900 games";
    }
}

} // namespace
