// SPDX-License-Identifier: MIT
#include "app/platform/PaintBox.h"
#include "app/sdimain.h"
#include "game/CheminAnimal.h"
#include "support/Fakes.h"
#include "support/GameWindow.h"
#include "windows/Gagne.h"
#include "windows/UEnviron.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

namespace {

struct Cellule {
    int Ligne;
    int Colonne;
};

// Two pairs on an otherwise free board: kA (its 'G' picture) with kA2, kB with kB2.
constexpr Cellule kA{1, 1}, kA2{2, 3}, kB{1, 3}, kB2{3, 0}, kLibre{0, 2};

class PlayTest : public GameWindowTest {
protected:
    PlayTest() {
        LigneSouris = ColonneSouris = -1;
        Form().DessCases = false;
        Form().DessEnviron = false;
        Form().ChoixImage = 0;
        Form().Bruitage = true;
        Form().DitNom = false;
        for (auto& ligne : Form().Grille) {
            for (GRILLE& cellule : ligne) {
                cellule = GRILLE();
                cellule.LigneAutre = cellule.ColonneAutre = -1;
            }
        }
        Paire(0, kA, kA2);
        Paire(1, kB, kB2);
        Form().LigneSel = Form().ColonneSel = -1;
        Form().PB->Repaint();
        fond_ = Form().Fond->Image().copy();
        sons.played.clear();
    }
    void SetUp() override {
        ASSERT_EQ(Form().PB->Width(), Form().Fond->Width());
        ASSERT_EQ(Form().LargeurCase, 80);
        ASSERT_EQ(Form().HauteurCase, 75);
    }

    void Paire(int animal, Cellule g, Cellule d) {
        GRILLE& cg = Case(g);
        GRILLE& cd = Case(d);
        cg.Dessin = CheminAnimal(&Form(), animal, 'G');
        cg.PhotoAnimal = CheminAnimal(&Form(), animal, 'I');
        cg.CriAnimal = CheminAnimal(&Form(), animal, 'S');
        cg.NomAnimal = CheminAnimal(&Form(), animal, 'N');
        cd.Dessin = CheminAnimal(&Form(), animal, 'D');
        cg.LigneAutre = d.Ligne;
        cg.ColonneAutre = d.Colonne;
        cd.LigneAutre = g.Ligne;
        cd.ColonneAutre = g.Colonne;
    }

    GRILLE& Case(Cellule c) { return Form().Grille[c.Ligne][c.Colonne]; }
    bool Montree(Cellule c) { return Case(c).Dessous != nullptr; }
    bool Selection(Cellule c) {
        return Form().LigneSel == c.Ligne && Form().ColonneSel == c.Colonne;
    }
    // The pointer finds cells from the paint box's size, sprites are placed from the cell
    // size of the background; they differ when the window is wider than the background.
    QPoint Centre(Cellule c) {
        const int l = Form().PB->Width(), h = Form().PB->Height();
        return {c.Colonne * l / 5 + l / 10, c.Ligne * h / 4 + h / 8};
    }
    QPoint CentreDessin(Cellule c) {
        const int l = Form().LargeurCase, h = Form().HauteurCase;
        return {c.Colonne * l + l / 2, c.Ligne * h + h / 2};
    }

    void Presse(Cellule c, Qt::MouseButton bouton = Qt::LeftButton) {
        QTest::mousePress(Form().PB, bouton, {}, Centre(c));
    }
    void Relache(Cellule c) { QTest::mouseRelease(Form().PB, Qt::LeftButton, {}, Centre(c)); }
    void Clique(Cellule c) {
        Presse(c);
        Relache(c);
    }
    void Bouge(QPoint point, Qt::MouseButtons boutons = Qt::NoButton) {
        QMouseEvent mouvement(QEvent::MouseMove, point, Form().PB->mapToGlobal(point), Qt::NoButton,
                              boutons, Qt::NoModifier);
        QApplication::sendEvent(Form().PB, &mouvement);
    }
    // The screen once the pointer has left the board, taking the bird with it.
    QImage EcranSansOiseau() {
        QEvent sortie(QEvent::Leave);
        QApplication::sendEvent(Form().PB, &sortie);
        return Screen();
    }
    // The resting bird's shape centred on point in image.
    bool OiseauAu(const QImage& image, QPoint point) {
        const QImage oiseau =
            assets::SpriteImage(assets::kRestingBirdWidth, assets::kRestingBirdHeight,
                                assets::SpriteColour(kOiseauRepos));
        const QPoint coin = point - QPoint(oiseau.width() / 2, oiseau.height() / 2);
        for (int y = 0; y < oiseau.height(); ++y) {
            for (int x = 0; x < oiseau.width(); ++x) {
                if (Rgb(oiseau, x, y) != clBlack &&
                    Rgb(image, coin.x() + x, coin.y() + y) != Rgb(oiseau, x, y)) {
                    return false;
                }
            }
        }
        return true;
    }
    void TrouveTout() {
        Clique(kA);
        Clique(kA2);
        Clique(kB);
        Clique(kB2);
    }

    std::vector<std::string> Sons() const {
        std::vector<std::string> noms;
        for (const auto& son : sons.played) {
            noms.push_back(son.fileName);
        }
        return noms;
    }
    // Boards set up so far, as the trace tells.
    size_t Plateaux() const {
        const std::string trace = Trace();
        size_t nombre = 0;
        for (size_t at = trace.find("Fin d'initialisation"); at != std::string::npos;
             at = trace.find("Fin d'initialisation", at + 1)) {
            ++nombre;
        }
        return nombre;
    }
    std::string Cri(int animal) { return CheminAnimal(&Form(), animal, 'S'); }
    std::string Nom(int animal) { return CheminAnimal(&Form(), animal, 'N'); }

    // The cell's sprite drawn over the background, black transparent, in image.
    bool SpriteDessine(const QImage& image, Cellule c) {
        const QImage sprite = assets::SpriteImage(assets::kSpriteWidth, assets::kSpriteHeight,
                                                  assets::SpriteColour(Case(c).Dessin),
                                                  Case(c).Dessin.ends_with("D.bmp"));
        const QPoint coin = CentreDessin(c) - QPoint(sprite.width() / 2, sprite.height() / 2);
        for (int y = 0; y < sprite.height(); ++y) {
            for (int x = 0; x < sprite.width(); ++x) {
                const QRgb attendu = sprite.pixel(x, y) == qRgb(0, 0, 0)
                                         ? fond_.pixel(coin + QPoint(x, y))
                                         : sprite.pixel(x, y);
                if (Rgb(image, coin.x() + x, coin.y() + y) != (attendu & 0xFFFFFFu)) {
                    return false;
                }
            }
        }
        return true;
    }
    // The background alone over the cell (its outline left out).
    bool FondSeul(const QImage& image, Cellule c) {
        const int l = Form().LargeurCase, h = Form().HauteurCase;
        for (int y = c.Ligne * h + 1; y < (c.Ligne + 1) * h; ++y) {
            for (int x = c.Colonne * l + 1; x < (c.Colonne + 1) * l; ++x) {
                if (Rgb(image, x, y) != (fond_.pixel(x, y) & 0xFFFFFFu)) {
                    return false;
                }
            }
        }
        return true;
    }
    QImage Fond() { return Form().Fond->Image(); }

    FausseAttente attente_;

private:
    QImage fond_;
};

} // namespace

TEST_F(PlayTest, RevealDrawsTheSpriteCentredOnScreenAndInFondAndHidingTakesItOut) {
    Form().DitNom = true;
    Presse(kA);
    EXPECT_TRUE(Selection(kA));
    EXPECT_TRUE(Montree(kA));
    EXPECT_TRUE(SpriteDessine(EcranSansOiseau(), kA));
    EXPECT_TRUE(SpriteDessine(Fond(), kA));
    // The name waits behind the cry; the next sound played stops both.
    EXPECT_EQ(Sons(), (std::vector{Cri(0), Nom(0)}));
    EXPECT_EQ(sons.played[0].flags, SND_ASYNC);
    EXPECT_EQ(sons.played[1].flags, SND_ASYNC | SND_QUEUE);

    // The 'D' picture, revealed after another press, plays its partner's cry and name and hides
    // it. The setting off, the cry alone.
    Form().DitNom = false;
    Presse(kLibre);
    Presse(kA2);
    EXPECT_TRUE(SpriteDessine(Fond(), kA2));
    EXPECT_FALSE(Montree(kA));
    EXPECT_TRUE(FondSeul(Screen(), kA));
    EXPECT_TRUE(FondSeul(Fond(), kA));
    EXPECT_EQ(Sons(), (std::vector{Cri(0), Nom(0), Cri(0)}));

    // Revealed again after another press, then hidden: nothing of the sprite stays behind.
    Presse(kB);
    Presse(kA2);
    EXPECT_TRUE(Montree(kA2));
    Form().CacheCase(kA2.Ligne, kA2.Colonne);
    EXPECT_TRUE(FondSeul(Fond(), kA2));
    EXPECT_TRUE(FondSeul(Screen(), kA2));
}

TEST_F(PlayTest, HidingPutsBackTheGridLinesExactlyAsThePaintDrawsThem) {
    Form().DessCases = true;
    Form().ChoixImage = 1;
    // Sprites larger than their cells: across the lines, and over the left edge for kB2.
    assets::WriteSprite(Case(kB2).Dessin, 100, 90, true);
    assets::WriteSprite(Case(kA).Dessin, 100, 90);
    Form().PB->Repaint();
    const QImage peinte = Screen();

    Clique(kB2);
    EXPECT_NE(EcranSansOiseau(), peinte);
    Form().Timer1Timer(); // the timed hide
    EXPECT_FALSE(Montree(kB2));
    EXPECT_EQ(EcranSansOiseau(), peinte);

    Presse(kA);
    Bouge(Centre(kB));
    Bouge(Centre(kA)); // the pointer coming back
    EXPECT_FALSE(Montree(kA));
    EXPECT_EQ(EcranSansOiseau(), peinte);
}

TEST_F(PlayTest, TheBirdComesBackToThePointerAfterEachDrawingAndLeavesWithIt) {
    Form().ChoixImage = 1;
    Presse(kA); // a reveal, without a move
    EXPECT_TRUE(OiseauAu(Screen(), Centre(kA)));
    EXPECT_FALSE(OiseauAu(Fond(), Centre(kA)));
    Presse(kA2); // a pair
    EXPECT_TRUE(OiseauAu(Screen(), Centre(kA2)));
    EXPECT_FALSE(OiseauAu(Fond(), Centre(kA2)));
    Clique(kB);
    Clique(kA2); // released over another selection: B hidden at once
    EXPECT_FALSE(Montree(kB));
    EXPECT_TRUE(OiseauAu(Screen(), Centre(kA2)));
    Clique(kB);
    Form().Timer1Timer(); // the timed hide takes the piece the bird sat on
    EXPECT_FALSE(Montree(kB));
    EXPECT_TRUE(OiseauAu(Screen(), Centre(kB)));
    Form().PB->Repaint();
    EXPECT_TRUE(OiseauAu(Screen(), Centre(kB)));

    // One bird only, and none once the pointer has left, even after a repaint.
    const QImage sansOiseau = EcranSansOiseau();
    EXPECT_FALSE(OiseauAu(sansOiseau, Centre(kB)));
    Form().PB->Repaint();
    EXPECT_EQ(Screen(), sansOiseau);

    // No bird is drawn over a flight.
    Bouge(Centre(kB));
    Form().EnVol = true;
    Form().PB->Repaint();
    EXPECT_FALSE(OiseauAu(Screen(), Centre(kB)));
    Form().EnVol = false;
}

TEST_F(PlayTest, AFingerPlaysAsTheMouseAndTheBirdLandsWhereItTouches) {
    Form().ChoixImage = 1;
    // The test owns the device it registers.
    const std::unique_ptr<QPointingDevice> ecran(QTest::createTouchDevice());
    const auto pose = [&](QPoint point) {
        QTest::touchEvent(Form().PB, ecran.get()).press(0, point);
    };
    const auto leve = [&](QPoint point) {
        QTest::touchEvent(Form().PB, ecran.get()).release(0, point);
    };
    pose(Centre(kLibre)); // nothing drawn there
    leve(Centre(kLibre));
    EXPECT_TRUE(Selection(kLibre));
    EXPECT_TRUE(OiseauAu(Screen(), Centre(kLibre)));
    pose(Centre(kA));
    EXPECT_TRUE(Montree(kA));
    EXPECT_FALSE(Form().Timer1->isActive());
    leve(Centre(kA));
    EXPECT_TRUE(Form().Timer1->isActive());
    // The mouse events a system makes of that touch press no second time: the animal stays.
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent copie(type, Centre(kA), Centre(kA), Form().PB->mapToGlobal(Centre(kA)),
                          Qt::LeftButton, {}, {}, Qt::MouseEventSynthesizedBySystem);
        QApplication::sendEvent(Form().PB, &copie);
    }
    EXPECT_TRUE(Montree(kA));
    EXPECT_TRUE(OiseauAu(Screen(), Centre(kA)));
    pose(Centre(kA2));
    EXPECT_TRUE(Case(kA2).Trouve);
    // A second finger adds nothing; dragged, the bird follows the first.
    QTest::touchEvent(Form().PB, ecran.get()).stationary(0).press(1, Centre(kB2));
    QTest::touchEvent(Form().PB, ecran.get()).stationary(0).release(1, Centre(kB2));
    EXPECT_FALSE(Montree(kB2));
    QTest::touchEvent(Form().PB, ecran.get()).move(0, Centre(kB));
    EXPECT_TRUE(OiseauAu(Screen(), Centre(kB)));
    leve(Centre(kB));
}

// The arrows stop at the edges, Tab wraps round in reading order, and Space, Return or the
// keypad's Enter press and release on the cell under the bird, as the mouse does.
TEST_F(PlayTest, TheKeyboardMovesTheBirdFromCellToCellAndPressesWhereItSits) {
    Form().ChoixImage = 1;
    const auto touche = [this](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(Form().PB, key, modifiers);
    };
    const auto oiseauSur = [this](Cellule c) { return OiseauAu(Screen(), CentreDessin(c)); };
    touche(Qt::Key_Up);
    touche(Qt::Key_Left);
    touche(Qt::Key_Right);
    EXPECT_TRUE(oiseauSur({0, 1}));
    touche(Qt::Key_Down);
    touche(Qt::Key_Space);
    EXPECT_TRUE(Montree(kA));
    EXPECT_TRUE(Form().Timer1->isActive());
    EXPECT_TRUE(oiseauSur(kA));

    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right,
                        Qt::Key_Right, Qt::Key_Right}) {
        touche(key);
    }
    EXPECT_TRUE(oiseauSur({3, 4}));
    touche(Qt::Key_Tab);
    EXPECT_TRUE(oiseauSur({0, 0}));
    touche(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(oiseauSur({3, 4}));
    touche(Qt::Key_Up);
    touche(Qt::Key_Left);
    touche(Qt::Key_Return);
    EXPECT_TRUE(Case(kA).Trouve && Case(kA2).Trouve);
    EXPECT_EQ(Sons(), (std::vector<std::string>{Cri(0), kSonTrouve}));
    Form().ChoisitPointeur(false); // the bird undrawn, the keys go on from their own cell
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Down}) {
        touche(key);
    }
    touche(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(Montree(kB));
}

// Held, Space on the last pair wins once and presses nothing on the new board; a held Tab's
// repeats made during a flight are dropped, and one made after it moves the bird on.
TEST_F(PlayTest, AHeldKeyActsAsOnePress) {
    const auto tient = [&](Qt::Key key, std::initializer_list<int> instants) {
        for (int instant : instants) {
            QKeyEvent appui(QEvent::KeyPress, key, {}, {}, instant != *instants.begin());
            appui.setTimestamp(quint64(instant));
            QApplication::sendEvent(Form().PB, &appui);
        }
    };
    Clique(kA);
    Clique(kA2);
    Clique(kB);
    Bouge(Centre(kB2));
    modal.answers = {mrYes};
    tient(Qt::Key_Space, {1000, 1500, 1530});
    EXPECT_EQ(modal.Count("TBravo"), 1);
    EXPECT_TRUE(Selection({-1, -1}));
    attente_.chaquePause = [](int millisecondes, bool) { QTest::qSleep(millisecondes); };
    tient(Qt::Key_Tab, {3000, 3060, 3120, 3180, 3600, 3660});
    EXPECT_TRUE(OiseauAu(Screen(), CentreDessin({3, 2})));
}

TEST_F(PlayTest, APressOnTheSelectionDoesNothingWhileItsPictureShows) {
    Presse(kA);
    Presse(kA, Qt::RightButton);
    EXPECT_EQ(Sons().size(), 1u);
    // Hidden again, it is a hidden cell like any other.
    Form().CacheCase(kA.Ligne, kA.Colonne);
    Presse(kA);
    EXPECT_TRUE(Montree(kA));
    EXPECT_EQ(Sons(), (std::vector{Cri(0), Cri(0)}));
}

TEST_F(PlayTest, APairNeedsTwoConsecutivePressesWithAnyButton) {
    Presse(kA);
    Presse(kB);
    Presse(kA2); // not right after kA: no pair, kA2 shown and kA hidden
    EXPECT_FALSE(Case(kA2).Trouve);
    EXPECT_TRUE(Montree(kA2));
    EXPECT_FALSE(Montree(kA));

    Presse(kA, Qt::RightButton);
    EXPECT_TRUE(Case(kA).Trouve);
    EXPECT_TRUE(Case(kA2).Trouve);
    EXPECT_FALSE(Montree(kA));
    EXPECT_FALSE(Montree(kA2));
    EXPECT_TRUE(Selection({-1, -1}));
    EXPECT_TRUE(SpriteDessine(Fond(), kA));
    EXPECT_TRUE(SpriteDessine(Fond(), kA2));
    EXPECT_EQ(Sons().back(), kSonTrouve);
    EXPECT_EQ(sons.played.back().flags, SND_ASYNC);

    Presse(kB, Qt::MiddleButton);
    Presse(kB2, Qt::MiddleButton);
    EXPECT_TRUE(Case(kB2).Trouve);
}

TEST_F(PlayTest, APairIsMadeAlsoWhenTheFirstSpriteWasHiddenByThePointerComingBack) {
    Presse(kA);
    Bouge(Centre(kB));
    EXPECT_TRUE(Montree(kA)); // leaving the cell leaves its sprite
    Bouge(Centre(kA));
    EXPECT_FALSE(Montree(kA));
    EXPECT_TRUE(FondSeul(Fond(), kA));
    Bouge(Centre(kA) + QPoint(3, 2)); // within the cell: hides nothing
    Presse(kA2);
    EXPECT_TRUE(Case(kA).Trouve);
    EXPECT_TRUE(SpriteDessine(Fond(), kA));
    EXPECT_TRUE(SpriteDessine(Fond(), kA2));
}

TEST_F(PlayTest, FreeAndFoundCellsOnlyTakeTheSelection) {
    Presse(kA);
    const QImage avant = Fond().copy();
    Presse(kLibre);
    EXPECT_TRUE(Selection(kLibre));
    EXPECT_EQ(Fond(), avant);
    Presse(kA2); // the selection was the free cell: no pair
    EXPECT_FALSE(Case(kA2).Trouve);

    Presse(kB);
    Presse(kB2);
    const auto sonsAvant = Sons();
    Presse(kB);
    EXPECT_TRUE(Selection(kB));
    Presse(kB2); // both found: no second pair
    EXPECT_EQ(Sons(), sonsAvant);
    EXPECT_FALSE(Montree(kB2));
}

TEST_F(PlayTest, WhenThePictureDisappearsAReleaseOverTheSelectionArmsTheTimer) {
    Form().ChoixImage = 1;
    Presse(kA);
    EXPECT_FALSE(Form().Timer1->isActive()); // the sprite stays while the button is held
    Relache(kA);
    EXPECT_TRUE(Form().Timer1->isActive());
    EXPECT_EQ(Form().Timer1->interval(), 2000);
    Form().Timer1Timer();
    EXPECT_FALSE(Montree(kA));

    // A second release over another selection hides the pending cell at once.
    Clique(kB);
    Clique(kA2);
    EXPECT_FALSE(Montree(kB));
    EXPECT_TRUE(Montree(kA2));
    EXPECT_EQ(Form().LigneImage, kA2.Ligne);
    EXPECT_EQ(Form().ColonneImage, kA2.Colonne);
    Form().Timer1Timer();

    // Released over another cell or over a free one: nothing is armed.
    Presse(kB);
    Relache(kA);
    Clique(kLibre);
    EXPECT_FALSE(Form().Timer1->isActive());
    EXPECT_TRUE(Montree(kB));

    // A found cell arms it like any other; the pending cell goes at once.
    Presse(kB);
    Clique(kB2);
    ASSERT_TRUE(Case(kB).Trouve);
    Clique(kA);
    Clique(kB);
    EXPECT_FALSE(Montree(kA));
    EXPECT_TRUE(Form().Timer1->isActive());
    Form().Timer1Timer();

    for (int choix : {0, 2}) {
        Form().ChoixImage = choix;
        Clique(kA2);
        EXPECT_FALSE(Form().Timer1->isActive());
        EXPECT_TRUE(Montree(kA2));
        Presse(kLibre);
    }
}

TEST_F(PlayTest, PositionsOutsideTheBoardIndexNothing) {
    Form().ChoixImage = 1;
    const int l = Form().PB->Width(), h = Form().PB->Height();
    // Row -1 and column -1, with no selection (-1, -1) either.
    QTest::mouseRelease(Form().PB, Qt::LeftButton, {}, QPoint(-l / 4, -h / 3));
    EXPECT_FALSE(Form().Timer1->isActive());
    Presse(kA);
    Bouge(Centre(kB));
    // Just above or left of the box too, as the handlers get them.
    for (const QPoint dehors : {QPoint(-l, 10), QPoint(l, 10), QPoint(10, h), QPoint(10, -h),
                                QPoint(-1, 10), QPoint(10, -1)}) {
        QTest::mousePress(Form().PB, Qt::LeftButton, {}, dehors);
        Bouge(dehors, Qt::LeftButton);
        QTest::mouseRelease(Form().PB, Qt::LeftButton, {}, dehors);
    }
    EXPECT_TRUE(Selection(kA));
    EXPECT_TRUE(Montree(kA));
    EXPECT_FALSE(Form().Timer1->isActive());
    EXPECT_EQ(Sons().size(), 1u);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(PlayTest, ThePhotographIsShownAtEachRevealNotAtThePair) {
    Form().DessEnviron = true;
    Presse(kA2);
    EXPECT_TRUE(Environ->isVisible());
    EXPECT_EQ(Environ->FichierImage, Case(kA).PhotoAnimal);
    EXPECT_EQ(Environ->FichierSon, Case(kA).CriAnimal);
    EXPECT_EQ(Environ->FichierNom, Case(kA).NomAnimal);
    Presse(kB);
    EXPECT_EQ(Environ->FichierImage, Case(kB).PhotoAnimal);
    Environ->Hide();
    Presse(kB2);
    EXPECT_FALSE(Environ->isVisible());
}

TEST_F(PlayTest, WithoutFondOrWithAnUnreadableSpritePlayGoesOn) {
    QFile::remove(QString::fromStdString(Case(kB).Dessin));
    Presse(kB);
    ASSERT_EQ(Messages().size(), 1u); // shown by the handler guard
    EXPECT_TRUE(Selection(kB));
    EXPECT_TRUE(Sons().empty());
    Form().CacheCase(kB.Ligne, kB.Colonne);
    EXPECT_TRUE(FondSeul(Fond(), kB));

    Form().Fond.reset();
    Presse(kA);
    Form().CacheCase(kA.Ligne, kA.Colonne);
    Presse(kA2);
    EXPECT_TRUE(Case(kA).Trouve);
    EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(PlayTest, WinningWithFewerThanTenPairsPlaysTheWinningSoundThenAsks) {
    modal.answers = {mrYes};
    const size_t plateaux = Plateaux();
    TrouveTout();
    ASSERT_EQ(modal.Count("TBravo"), 1);
    EXPECT_EQ(Sons().back(), kSonGagne);
    EXPECT_EQ(sons.played.back().flags, SND_SYNC);
    EXPECT_EQ(Sons()[Sons().size() - 2], kSonTrouve);
    const QRect principal = Form().frameGeometry();
    EXPECT_EQ(Bravo->pos(), principal.topLeft() + QPoint(principal.width() / 2 - 374 / 2,
                                                         principal.height() / 2 - 196 / 2));
    // Yes: a new game, traced, with nothing found.
    EXPECT_TRUE(Form().isVisible());
    EXPECT_EQ(Plateaux(), plateaux + 1);
    EXPECT_TRUE(Selection({-1, -1}));
    for (const auto& ligne : Form().Grille) {
        for (const GRILLE& cellule : ligne) {
            EXPECT_FALSE(cellule.Trouve);
        }
    }
}

// Each command that starts a new game leaves a maximised window maximised, at its size.
TEST_F(PlayTest, ANewGameFromAnyCommandKeepsAMaximisedWindowMaximised) {
    const QSize normale = Form().size();
    Form().showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Form().size() != normale; }));
    const QSize agrandie = Form().size();
    // The board keeps its size, shown larger.
    const auto clique = [this](Cellule c) {
        const QRect cellule = Form().PB->WidgetRect(QRect(Centre(c), QSize(1, 1)));
        QTest::mouseClick(Form().PB, Qt::LeftButton, {}, cellule.center());
    };
    const std::vector<std::pair<const char*, std::function<void()>>> commandes = {
        {"Rejouer",
         [&] {
             for (const Cellule c : {kA, kA2, kB, kB2}) {
                 clique(c);
             }
         }},
        {"Savane", [this] { QTest::mouseClick(Form().Savane, Qt::LeftButton); }},
        {"Polaire", [this] { QTest::mouseClick(Form().Polaire, Qt::LeftButton); }},
        {"Ferme", [this] { QTest::mouseClick(Form().Ferme, Qt::LeftButton); }},
        {"Options", [this] { Form().findChild<QAction*>("mOptions")->trigger(); }}};
    for (const auto& [nom, commande] : commandes) {
        const size_t plateaux = Plateaux();
        modal.answers = {mrYes};
        commande();
        QTest::qWait(50);
        EXPECT_EQ(Plateaux(), plateaux + 1) << nom;
        EXPECT_TRUE(Form().isMaximized()) << nom;
        EXPECT_EQ(Form().size(), agrandie) << nom;
    }
}

TEST_F(PlayTest, WithoutSoundsNothingPlaysAtAll) {
    Form().Bruitage = false;
    Form().DitNom = true;
    modal.answers = {mrYes};
    TrouveTout();
    EXPECT_TRUE(Sons().empty());
    EXPECT_EQ(modal.Count("TBravo"), 1);
}

TEST_F(PlayTest, LeavingTheWonWindowClosesTheMainWindow) {
    modal.answers = {mrNo};
    TrouveTout();
    EXPECT_FALSE(Form().isVisible());
}

TEST_F(PlayTest, ClosingTheWonWindowClosesTheMainWindow) {
    modal.answers = {mrCancel};
    TrouveTout();
    EXPECT_FALSE(Form().isVisible());
}
