// SPDX-License-Identifier: MIT
#include "app/platform/Errors.h"
#include "app/platform/Screen.h"
#include "game/Attente.h"
#include "game/Catalogue.h"
#include "support/GameWindow.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <chrono>

namespace {

class BirdTest : public GameWindowTest {
protected:
    BirdTest() {
        Form().DessCases = true;
        Form().PBPaint();
    }
    ~BirdTest() override { SetAttente(nullptr); }

    QImage FondImage() { return Form().Fond->Image().convertToFormat(QImage::Format_RGB32); }

    void Bouge(QPoint point) {
        QMouseEvent mouvement(QEvent::MouseMove, point, Form().PB->mapToGlobal(point), Qt::NoButton,
                              Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Form().PB, &mouvement);
    }
    // The top-left corner of the flight area for a pointer at point.
    static QPoint CoinVol(QPoint point) { return point - QPoint(50, 25); }
    // A pixel of the flight area that every frame written by the fixture colours.
    static constexpr QPoint DansLeVol{2, 30};
};

} // namespace

TEST_F(BirdTest, AFlightLeavesTheScreenAndFondAsTheyWere) {
    // A sprite and the resting bird on the screen, so that the flight has something to keep.
    TBitmap sprite;
    sprite.Assign(assets::SpriteImage(assets::SpriteWidth, assets::SpriteHeight, qRgb(9, 99, 199)));
    Form().DessineTransparent(sprite, assets::SpriteWidth, assets::SpriteHeight, 50, 40, true);
    Form().DessineOiseau(70, 45);
    const QImage ecran = Screen();
    const QImage fond = FondImage();

    const int largeur = Form().PB->Width();
    const int hauteur = Form().PB->Height();
    for (const QPoint pointeur :
         {QPoint(60, 50), QPoint(0, 0), QPoint(largeur - 1, hauteur - 1), QPoint(-40, 30)}) {
        Form().EnVol = true;
        Form().AnimeOiseau(pointeur.x() - 50, pointeur.y() - 25);
        EXPECT_FALSE(Form().EnVol);
        EXPECT_EQ(Screen(), ecran) << pointeur.x() << "," << pointeur.y();
        EXPECT_EQ(FondImage(), fond);
    }
}

TEST_F(BirdTest, AfterEachMoveTheBirdSitsCentredOnThePointerAlone) {
    Form().DessCases = false;
    Form().PBPaint();
    const QImage propre = Screen();
    const QImage oiseau = assets::SpriteImage(assets::RestingBirdWidth, assets::RestingBirdHeight,
                                              assets::SpriteColour(OiseauRepos));
    for (const QPoint pointeur : {QPoint(61, 47), QPoint(150, 90), QPoint(3, 2)}) {
        Form().PBMouseMove(0, pointeur.x(), pointeur.y());
        const int gauche = pointeur.x() - assets::RestingBirdWidth / 2;
        const int haut = pointeur.y() - assets::RestingBirdHeight / 2;
        EXPECT_EQ(Form().XOiseau, gauche);
        EXPECT_EQ(Form().YOiseau, haut);
        // Only this bird is on the screen: the earlier one was taken away.
        QImage attendu = propre;
        for (int y = 0; y < oiseau.height(); ++y) {
            for (int x = 0; x < oiseau.width(); ++x) {
                if (Rgb(oiseau, x, y) != clBlack && attendu.valid(gauche + x, haut + y)) {
                    attendu.setPixel(gauche + x, haut + y, oiseau.pixel(x, y));
                }
            }
        }
        EXPECT_EQ(Screen(), attendu) << pointeur.x() << "," << pointeur.y();
    }
}

TEST_F(BirdTest, AFrameSmallerThanTheFlightAreaIsEnough) {
    assets::WriteSprite(OiseauVol[2], 30, 20);
    const QImage ecran = Screen();
    Form().EnVol = true;
    Form().AnimeOiseau(40, 30);
    EXPECT_FALSE(Form().EnVol);
    EXPECT_EQ(Screen(), ecran);
}

TEST_F(BirdTest, AMissingFrameStopsTheFlightBeforeAnythingIsDrawn) {
    ASSERT_TRUE(QFile::remove(QString::fromUtf8(OiseauVol[4])));
    const QImage ecran = Screen();
    Form().EnVol = true;
    EXPECT_THROW(Form().AnimeOiseau(40, 30), EPlatformError);
    EXPECT_TRUE(Form().EnVol);
    EXPECT_EQ(Screen(), ecran);
}

TEST_F(BirdTest, AMissingRestingBirdFailsAndLeavesTheScreen) {
    ASSERT_TRUE(QFile::remove(QString::fromUtf8(OiseauRepos)));
    const QImage ecran = Screen();
    EXPECT_THROW(Form().DessineOiseau(10, 10), EPlatformError);
    EXPECT_EQ(Screen(), ecran);
}

TEST_F(BirdTest, PausesHandleMessagesOnlyWhenAllowed) {
    bool traite = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&traite] { traite = true; }, Qt::QueuedConnection);

    const auto debut = std::chrono::steady_clock::now();
    Form().Attente(15, true);
    EXPECT_GE(std::chrono::steady_clock::now() - debut, std::chrono::milliseconds(15));
    EXPECT_FALSE(traite);

    Form().Attente(1, false);
    EXPECT_TRUE(traite);
}

TEST_F(BirdTest, TheFlightShowsItsSevenFramesInOrderEachPausedThenPausesOnce) {
    struct Pause {
        int millisecondes;
        bool sansMessages;
        TColor vol;      // what the flight area shows during the pause
        TColor dehors;   // a pixel left of the flight area
        bool fondIntact; // Fond untouched so far
        bool operator==(const Pause&) const = default;
    };
    const QPoint pointeur(150, 120);
    const QPoint coin = CoinVol(pointeur);
    const QImage ecran = Screen();
    const QImage fond = FondImage();
    std::vector<Pause> pauses;
    SetAttente([&](int millisecondes, bool sansMessages) {
        const QImage maintenant = Screen();
        pauses.push_back({millisecondes, sansMessages,
                          Rgb(maintenant, coin.x() + DansLeVol.x(), coin.y() + DansLeVol.y()),
                          Rgb(maintenant, coin.x() - 1, coin.y() + DansLeVol.y()),
                          FondImage() == fond});
    });
    Bouge(pointeur);

    std::vector<Pause> attendues;
    for (const char* image :
         {"./Savane/Oiseau06.bmp", "./Savane/Oiseau05.bmp", "./Savane/Oiseau04.bmp",
          "./Savane/Oiseau03.bmp", "./Savane/Oiseau02.bmp", "./Savane/Oiseau03.bmp",
          "./Savane/Oiseau05.bmp"})
        attendues.push_back({30, true, assets::SpriteColour(image) & 0xFFFFFFu,
                             Rgb(ecran, coin.x() - 1, coin.y() + DansLeVol.y()), true});
    // The last frame is off the screen before the final pause.
    attendues.push_back({20, true, Rgb(ecran, coin.x() + DansLeVol.x(), coin.y() + DansLeVol.y()),
                         Rgb(ecran, coin.x() - 1, coin.y() + DansLeVol.y()), true});
    EXPECT_EQ(pauses, attendues);
    EXPECT_FALSE(Form().EnVol);
}

TEST_F(BirdTest, AnUnreadableBirdIsReportedOncePerGameAndTheSystemPointerShowsInstead) {
    SetAttente([](int, bool) {});
    EXPECT_EQ(Form().PB->cursor().shape(), crVide().shape());
    for (const char* fichier : {OiseauVol[3], OiseauRepos}) {
        SCOPED_TRACE(fichier);
        const QString nom = QString::fromUtf8(fichier);
        ASSERT_TRUE(QFile::rename(nom, nom + ".cache"));
        messages.messages.clear();
        for (const QPoint point : {QPoint(60, 50), QPoint(150, 90), QPoint(61, 50)})
            Bouge(point);
        Form().PB->Repaint();
        Form().Timer1Timer();
        EXPECT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Form().PB->cursor().shape(), Qt::ArrowCursor);
        EXPECT_FALSE(Form().EnVol);

        // Play goes on without the bird.
        int ligne = 0;
        while (Form().Grille[ligne / NbColonnes][ligne % NbColonnes].Dessin.empty())
            ++ligne;
        const int colonne = ligne % NbColonnes;
        ligne /= NbColonnes;
        QTest::mouseClick(Form().PB, Qt::LeftButton, {},
                          QPoint(colonne * Form().LargeurCase + 5, ligne * Form().HauteurCase + 5));
        EXPECT_NE(Form().Grille[ligne][colonne].Dessous, nullptr);
        EXPECT_EQ(Messages().size(), 1u);

        // Each new game tries the bird again: once more reported while the file is missing.
        QTest::mouseClick(Form().Savane, Qt::LeftButton);
        Bouge(QPoint(150, 90));
        Bouge(QPoint(151, 90));
        EXPECT_EQ(Messages().size(), 2u);
        EXPECT_EQ(Form().PB->cursor().shape(), Qt::ArrowCursor);
        ASSERT_TRUE(QFile::rename(nom + ".cache", nom));
        QTest::mouseClick(Form().Savane, Qt::LeftButton);
        EXPECT_EQ(Form().PB->cursor().shape(), crVide().shape());
        // The repaint after the new game already shows the bird at the pointer.
        EXPECT_EQ(Form().XOiseau, 151 - assets::RestingBirdWidth / 2);
        Bouge(QPoint(90, 60));
        EXPECT_EQ(Form().XOiseau, 90 - assets::RestingBirdWidth / 2);
        EXPECT_EQ(Messages().size(), 2u);
    }
}
