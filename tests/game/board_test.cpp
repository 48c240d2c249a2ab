// SPDX-License-Identifier: MIT
#include "app/platform/Errors.h"
#include "game/CheminAnimal.h"
#include "support/Fakes.h"
#include "support/GameWindow.h"

#include <QFile>
#include <QTimer>
#include <cstdlib>
#include <set>

namespace {

class BoardTest : public GameWindowTest {
protected:
    // Sets the board up for one environment and animal count with a given seed.
    void Prepare(int typeJeu, int maxAnim, std::time_t graine) {
        source.graine = graine;
        Form().TypeJeu = typeJeu;
        Form().MaxAnim[typeJeu] = maxAnim;
        Form().InitGrille();
    }

    // What the trace gained since mark.
    std::string TraceSince(std::size_t mark) const { return Trace().substr(mark); }

    int Occupied() {
        int count = 0;
        for (const auto& ligne : Form().Grille) {
            for (const GRILLE& cellule : ligne) {
                count += cellule.Dessin.empty() ? 0 : 1;
            }
        }
        return count;
    }

    FausseGraine source;
};

// "%24s" written out by hand: right-aligned in 24 characters, longer texts whole.
std::string Padded(const std::string& text) {
    return std::string(text.size() < 24 ? 24 - text.size() : 0, ' ') + text;
}

void ExpectValidBoard(TSDIAppForm& form, int paires) {
    std::set<std::string> animaux;
    int occupees = 0;
    for (int r = 0; r < NbLignes; ++r) {
        for (int c = 0; c < NbColonnes; ++c) {
            const GRILLE& cellule = form.Grille[r][c];
            EXPECT_FALSE(cellule.Trouve);
            EXPECT_EQ(cellule.Dessous, nullptr);
            if (cellule.Dessin.empty()) {
                EXPECT_EQ(cellule.LigneAutre, -1);
                EXPECT_EQ(cellule.ColonneAutre, -1);
                EXPECT_TRUE(cellule.PhotoAnimal.empty());
                EXPECT_TRUE(cellule.CriAnimal.empty());
                continue;
            }
            ++occupees;
            ASSERT_GE(cellule.LigneAutre, 0);
            ASSERT_LT(cellule.LigneAutre, NbLignes);
            ASSERT_GE(cellule.ColonneAutre, 0);
            ASSERT_LT(cellule.ColonneAutre, NbColonnes);
            const GRILLE& autre = form.Grille[cellule.LigneAutre][cellule.ColonneAutre];
            EXPECT_EQ(autre.LigneAutre, r);
            EXPECT_EQ(autre.ColonneAutre, c);
            // Only the 'G' cell of a pair holds the photograph and the cry.
            EXPECT_NE(cellule.PhotoAnimal.empty(), autre.PhotoAnimal.empty()) << r << "," << c;
            if (!cellule.PhotoAnimal.empty()) {
                EXPECT_FALSE(cellule.CriAnimal.empty());
                EXPECT_TRUE(autre.CriAnimal.empty());
                animaux.insert(cellule.PhotoAnimal);
                // Both sprites, the photograph and the cry come from one catalogue entry.
                bool trouve = false;
                for (int animal = 0; animal < form.NbAnimaux[form.TypeJeu]; ++animal) {
                    if (CheminAnimal(&form, animal, 'G') == cellule.Dessin) {
                        trouve = true;
                        EXPECT_EQ(CheminAnimal(&form, animal, 'D'), autre.Dessin);
                        EXPECT_EQ(CheminAnimal(&form, animal, 'I'), cellule.PhotoAnimal);
                        EXPECT_EQ(CheminAnimal(&form, animal, 'S'), cellule.CriAnimal);
                    }
                }
                EXPECT_TRUE(trouve) << cellule.Dessin;
            }
        }
    }
    EXPECT_EQ(occupees, 2 * paires);
    EXPECT_EQ(int(animaux.size()), paires);
}

} // namespace

TEST_F(BoardTest, EverySetUpKeepsTheBoardInvariants) {
    struct Cas {
        int typeJeu;
        int maxAnim;
        int paires;
    };
    for (const Cas cas : {Cas{0, 0, 0}, Cas{0, -3, 0}, Cas{0, 1, 1}, Cas{0, 5, 5}, Cas{1, 5, 5},
                          Cas{0, 10, 10}, Cas{0, 12, 10}, Cas{1, 10, 10}, Cas{1, 15, 10}}) {
        for (std::time_t graine = 1; graine <= 60; ++graine) {
            SCOPED_TRACE(testing::Message()
                         << "type " << cas.typeJeu << " max " << cas.maxAnim << " seed " << graine);
            Prepare(cas.typeJeu, cas.maxAnim, graine * 7919);
            ExpectValidBoard(Form(), cas.paires);
        }
    }
}

TEST_F(BoardTest, SetUpReleasesShownPicturesAndClearsFoundCells) {
    Prepare(0, 10, 1);
    for (auto& ligne : Form().Grille) {
        for (GRILLE& cellule : ligne) {
            cellule.Trouve = true;
            cellule.Dessous = std::make_unique<TBitmap>();
        }
    }
    Prepare(0, 3, 2);
    ExpectValidBoard(Form(), 3);
}

TEST_F(BoardTest, SameSeedGivesSameBoardAndTrace) {
    std::size_t mark = Trace().size();
    Prepare(1, 6, 424242);
    const std::string premiere = TraceSince(mark);
    std::vector<std::string> dessins;
    for (const auto& ligne : Form().Grille) {
        for (const GRILLE& cellule : ligne) {
            dessins.push_back(cellule.Dessin);
        }
    }
    mark = Trace().size();
    Prepare(1, 6, 424242);
    EXPECT_EQ(TraceSince(mark), premiere);
    std::size_t i = 0;
    for (const auto& ligne : Form().Grille) {
        for (const GRILLE& cellule : ligne) {
            EXPECT_EQ(cellule.Dessin, dessins[i++]);
        }
    }
}

TEST_F(BoardTest, AFixedSeedGivesTheBoardOfItsDrawsInTheirOrder) {
    // After the seed: every animal first, then for each pair its 'G' cell and then its 'D'
    // cell, each drawn as a row, then a column, until it is free.
    for (const std::time_t graine : {3, 1234, 99991}) {
        SCOPED_TRACE(graine);
        Prepare(0, 2, graine);
        std::srand(static_cast<unsigned>(graine));
        const int premier = std::rand() % 12;
        int second = premier;
        while (second == premier) {
            second = std::rand() % 12;
        }
        std::set<std::pair<int, int>> prises;
        const auto caseLibre = [&prises] {
            std::pair<int, int> cellule;
            do {
                cellule.first = std::rand() % NbLignes;
                cellule.second = std::rand() % NbColonnes;
            } while (!prises.insert(cellule).second);
            return cellule;
        };
        for (const int animal : {premier, second}) {
            for (const char lettre : {'G', 'D'}) {
                const auto [ligne, colonne] = caseLibre();
                EXPECT_EQ(Form().Grille[ligne][colonne].Dessin,
                          CheminAnimal(&Form(), animal, lettre));
            }
        }
    }
}

TEST_F(BoardTest, OnePairTraceIsExact) {
    const std::size_t mark = Trace().size();
    Prepare(0, 1, 31337);
    int ligneG = -1;
    int colonneG = -1;
    for (int r = 0; r < NbLignes; ++r) {
        for (int c = 0; c < NbColonnes; ++c) {
            if (!Form().Grille[r][c].PhotoAnimal.empty()) {
                ligneG = r;
                colonneG = c;
            }
        }
    }
    ASSERT_GE(ligneG, 0);
    const GRILLE& caseG = Form().Grille[ligneG][colonneG];
    const int ligneD = caseG.LigneAutre;
    const int colonneD = caseG.ColonneAutre;
    const GRILLE& caseD = Form().Grille[ligneD][colonneD];

    std::string attendu = "Ligne : " + std::to_string(ligneG) +
                          " Colonne : " + std::to_string(colonneG) + " " + Padded(caseG.Dessin) +
                          "\n";
    attendu += "Ligne : " + std::to_string(ligneD) + " Colonne : " + std::to_string(colonneD) +
               " " + Padded(caseD.Dessin) + "  " + std::to_string(ligneG) + " " +
               std::to_string(colonneG) + "\n";
    attendu += "Fin d'initialisation";
    for (int r = 0; r < NbLignes; ++r) {
        attendu += "Ligne : " + std::to_string(r) + " \n";
        for (int c = 0; c < NbColonnes; ++c) {
            attendu += "Colonne : " + std::to_string(c) + " ";
            if (r == ligneG && c == colonneG) {
                attendu += Padded(caseG.Dessin) + "  " + std::to_string(ligneD) + " " +
                           std::to_string(colonneD) + "  " + caseG.PhotoAnimal + "\n";
            } else if (r == ligneD && c == colonneD) {
                attendu += Padded(caseD.Dessin) + "  " + std::to_string(ligneG) + " " +
                           std::to_string(colonneG) + "  \n";
            } else {
                attendu += std::string(24, ' ') + "  -1 -1  \n";
            }
        }
    }
    EXPECT_EQ(TraceSince(mark), attendu);
}

TEST_F(BoardTest, EmptyBoardTraceHoldsOnlyTheDump) {
    const std::size_t mark = Trace().size();
    Prepare(1, 0, 5);
    std::string attendu = "Fin d'initialisation";
    for (int r = 0; r < NbLignes; ++r) {
        attendu += "Ligne : " + std::to_string(r) + " \n";
        for (int c = 0; c < NbColonnes; ++c) {
            attendu +=
                "Colonne : " + std::to_string(c) + " " + std::string(24, ' ') + "  -1 -1  \n";
        }
    }
    EXPECT_EQ(TraceSince(mark), attendu);
}

TEST_F(BoardTest, MissingTraceFileWritesNothingAndSetsUpTheBoard) {
    FILE* espion = Form().Espion;
    Form().Espion = nullptr;
    Prepare(0, 4, 9);
    Form().Espion = espion;
    ExpectValidBoard(Form(), 4);
}

TEST_F(BoardTest, UnknownGameChangesNothing) {
    Prepare(0, 5, 77);
    std::vector<std::string> avant;
    for (const auto& ligne : Form().Grille) {
        for (const GRILLE& cellule : ligne) {
            avant.push_back(cellule.Dessin);
        }
    }
    Form().LigneSel = 2;
    const TBitmap* fond = Form().Fond.get();
    const int largeur = Form().ClientWidth();
    const std::size_t mark = Trace().size();
    messages.messages.clear();

    Form().TypeJeu = kNbEnvironnements;
    Form().NouveauJeu();

    EXPECT_EQ(Messages(), std::vector<QString>{QStringLiteral("Ce jeu n'est pas prévu")});
    EXPECT_EQ(TraceSince(mark), "");
    EXPECT_EQ(Form().Fond.get(), fond);
    EXPECT_EQ(Form().ClientWidth(), largeur);
    EXPECT_EQ(Form().LigneSel, 2);
    std::size_t i = 0;
    for (const auto& ligne : Form().Grille) {
        for (const GRILLE& cellule : ligne) {
            EXPECT_EQ(cellule.Dessin, avant[i++]);
        }
    }
}

TEST_F(BoardTest, NewGameClearsSelectionStopsThePendingHideAndDrawsTheRestingBird) {
    Form().LigneSel = 1;
    Form().ColonneSel = 3;
    Form().Timer1->start();
    messages.messages.clear();
    source.graine = 1000;
    Form().TypeJeu = 1;
    Form().NouveauJeu();

    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Form().LigneSel, -1);
    EXPECT_EQ(Form().ColonneSel, -1);
    EXPECT_FALSE(Form().Timer1->isActive());
    EXPECT_EQ(Form().LargeurOiseau, assets::kRestingBirdWidth);
    EXPECT_EQ(Form().HauteurOiseau, assets::kRestingBirdHeight);
    // The bird's shape sits at (100, 100) on the screen, not in Fond.
    const QImage oiseau = assets::SpriteImage(assets::kRestingBirdWidth, assets::kRestingBirdHeight,
                                              assets::SpriteColour(kOiseauRepos));
    const QImage ecran = Screen();
    for (int y = 0; y < oiseau.height(); ++y) {
        for (int x = 0; x < oiseau.width(); ++x) {
            if (Rgb(oiseau, x, y) != clBlack) {
                EXPECT_EQ(Rgb(ecran, 100 + x, 100 + y), Rgb(oiseau, x, y));
                EXPECT_NE(Form().Fond->Canvas().Pixel(100 + x, 100 + y), Rgb(oiseau, x, y));
            }
        }
    }
}

TEST_F(BoardTest, ABackgroundThatFailsStillClearsTheSelection) {
    Form().TypeJeu = 0;
    for (const bool illisible : {false, true}) {
        for (const char* fond : kFondsJeu[0]) {
            QFile::remove(QString::fromUtf8(fond));
            if (illisible) {
                QFile(QString::fromUtf8(fond)).open(QIODevice::WriteOnly);
            }
        }
        Form().LigneSel = 3;
        Form().ColonneSel = 1;
        messages.messages.clear();
        const std::size_t mark = Trace().size();
        if (illisible) {
            EXPECT_THROW(Form().NouveauJeu(), EPlatformError);
        } else {
            Form().NouveauJeu();
            ASSERT_FALSE(Messages().empty());
            EXPECT_EQ(Messages().back(), QStringLiteral("Pas d'image"));
        }
        EXPECT_EQ(Form().LigneSel, -1);
        EXPECT_EQ(Form().ColonneSel, -1);
        EXPECT_NE(TraceSince(mark).find("Fin d'initialisation"), std::string::npos);
    }
}

TEST_F(BoardTest, WideBackgroundIsReducedToThreeQuartersOfTheWorkArea) {
    assets::WriteJpeg("large.jpg", 1600, 1200);
    ASSERT_TRUE(Form().ChargeFond("large.jpg"));
    EXPECT_EQ(Form().Fond->Width(), 960);
    EXPECT_EQ(Form().Fond->Height(), 720);
    EXPECT_EQ(Form().ClientWidth(), 960);
    EXPECT_EQ(Form().ClientHeight(), 720);
    EXPECT_EQ(Form().LargeurCase, 192);
    EXPECT_EQ(Form().HauteurCase, (720 - Form().HauteurBarreOutils()) / 4);
}

TEST_F(BoardTest, TallBackgroundIsReducedUntilTheWindowFitsTheWorkAreasHeight) {
    workArea.area = Rect(0, 27, 1280, 727);
    assets::WriteJpeg("haut.jpg", 1024, 768);
    ASSERT_TRUE(Form().ChargeFond("haut.jpg"));
    const int hauteur = Form().ClientHeight();
    EXPECT_EQ(Form().frameGeometry().height(), 700);
    EXPECT_EQ(Form().Fond->Height(), hauteur);
    EXPECT_EQ(Form().Fond->Width(), 1024 * hauteur / 768);
    EXPECT_EQ(Form().ClientWidth(), Form().Fond->Width());
    EXPECT_EQ(Form().LargeurCase, Form().ClientWidth() / 5);
    EXPECT_EQ(Form().HauteurCase, (hauteur - 30) / 4);
    EXPECT_EQ(Form().PB->Height(), hauteur - 30);
}

TEST_F(BoardTest, WithoutAKnownWorkAreaTheBackgroundKeepsItsSize) {
    workArea.area = {};
    assets::WriteJpeg("large.jpg", 1600, 1200);
    ASSERT_TRUE(Form().ChargeFond("large.jpg"));
    EXPECT_EQ(Form().Fond->Width(), 1600);
    EXPECT_EQ(Form().LargeurCase, 320);
}

TEST_F(BoardTest, BackgroundThatFitsSizesWindowAndCells) {
    assets::WriteJpeg("fond.jpeg", 800, 600);
    ASSERT_TRUE(Form().ChargeFond("fond.jpeg"));
    EXPECT_EQ(Form().Fond->Width(), 800);
    EXPECT_EQ(Form().ClientWidth(), 800);
    EXPECT_EQ(Form().ClientHeight(), 600);
    EXPECT_EQ(Form().HauteurBarreOutils(), 30);
    EXPECT_EQ(Form().LargeurCase, 160);
    EXPECT_EQ(Form().HauteurCase, 142);
    EXPECT_EQ(Form().PB->Height(), 570);
}

TEST_F(BoardTest, BitmapBackgroundIsTakenPixelForPixel) {
    const QImage image = assets::SpriteImage(300, 200, qRgb(10, 200, 30));
    assets::WriteBmp("fond.bmp", image);
    ASSERT_TRUE(Form().ChargeFond("fond.bmp"));
    ASSERT_EQ(Form().Fond->Width(), 300);
    ASSERT_EQ(Form().Fond->Height(), 200);
    for (int y = 0; y < 200; y += 7) {
        for (int x = 0; x < 300; x += 7) {
            EXPECT_EQ(Form().Fond->Canvas().Pixel(x, y), Rgb(image, x, y));
        }
    }
    EXPECT_EQ(Form().LargeurCase, 60);
}

TEST_F(BoardTest, RefusedBackgroundsLeaveSizesAlone) {
    const TBitmap* fond = Form().Fond.get();
    const int largeurCase = Form().LargeurCase;
    messages.messages.clear();

    EXPECT_FALSE(Form().ChargeFond(".jp"));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Form().Fond.get(), fond);

    assets::WriteJpeg("fond.png", 800, 600);
    EXPECT_FALSE(Form().ChargeFond("fond.png"));
    EXPECT_EQ(Messages(), std::vector<QString>{QStringLiteral("Format de bitmap non reconnu")});
    EXPECT_EQ(Form().Fond.get(), fond);

    EXPECT_FALSE(Form().ChargeFond("absent.jpg"));
    EXPECT_TRUE(Form().Fond->Empty());
    EXPECT_EQ(Form().LargeurCase, largeurCase);

    EXPECT_THROW(Form().ChargeFond("absent.bmp"), EPlatformError);
    EXPECT_TRUE(Form().Fond->Empty());
    EXPECT_EQ(Form().LargeurCase, largeurCase);
}
