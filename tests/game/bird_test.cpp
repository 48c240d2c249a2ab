// SPDX-License-Identifier: MIT
#include "app/platform/Errors.h"
#include "app/platform/Screen.h"
#include "game/Catalogue.h"
#include "support/Fakes.h"
#include "support/GameWindow.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <tuple>

namespace {

class BirdTest : public GameWindowTest {
protected:
    BirdTest() {
        Form().DessCases = true;
        Form().PBPaint();
    }

    QImage FondImage() { return Form().Fond->Image().convertToFormat(QImage::Format_RGB32); }

    void Bouge(QPoint point) {
        QMouseEvent mouvement(QEvent::MouseMove, point, Form().PB->mapToGlobal(point), Qt::NoButton,
                              Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Form().PB, &mouvement);
    }
};

} // namespace

TEST_F(BirdTest, AFlightLeavesTheScreenAndFondAsTheyWere) {
    // A sprite and the resting bird on the screen, so that the flight has something to keep.
    TBitmap sprite;
    sprite.Assign(
        assets::SpriteImage(assets::kSpriteWidth, assets::kSpriteHeight, qRgb(9, 99, 199)));
    Form().DessineTransparent(sprite, assets::kSpriteWidth, assets::kSpriteHeight, 50, 40, true);
    Form().DessineOiseau(70, 45);
    const QImage ecran = Screen();
    const QImage fond = FondImage();

    const int largeur = Form().PB->Width();
    const int hauteur = Form().PB->Height();
    for (const QPoint pointeur :
         {QPoint(60, 50), QPoint(0, 0), QPoint(largeur - 1, hauteur - 1), QPoint(-40, 30)}) {
        Form().EnVol = true;
        Form().AnimeOiseau(pointeur.x() - TSDIAppForm::kPointeurDansVol.x(),
                           pointeur.y() - TSDIAppForm::kPointeurDansVol.y());
        EXPECT_FALSE(Form().EnVol);
        EXPECT_EQ(Screen(), ecran) << pointeur.x() << "," << pointeur.y();
        EXPECT_EQ(FondImage(), fond);
    }
}

TEST_F(BirdTest, AfterEachMoveTheBirdSitsCentredOnThePointerAlone) {
    Form().DessCases = false;
    Form().PBPaint();
    const QImage propre = Screen();
    const QImage oiseau = assets::SpriteImage(assets::kRestingBirdWidth, assets::kRestingBirdHeight,
                                              assets::SpriteColour(kOiseauRepos));
    for (const QPoint pointeur : {QPoint(61, 47), QPoint(150, 90), QPoint(3, 2)}) {
        Form().PBMouseMove(0, pointeur.x(), pointeur.y());
        const int gauche = pointeur.x() - assets::kRestingBirdWidth / 2;
        const int haut = pointeur.y() - assets::kRestingBirdHeight / 2;
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
    assets::WriteSprite(kOiseauVol[2], 30, 20);
    const QImage ecran = Screen();
    Form().EnVol = true;
    Form().AnimeOiseau(40, 30);
    EXPECT_FALSE(Form().EnVol);
    EXPECT_EQ(Screen(), ecran);
}

TEST_F(BirdTest, AMissingFrameStopsTheFlightBeforeAnythingIsDrawn) {
    ASSERT_TRUE(QFile::remove(QString::fromUtf8(kOiseauVol[4])));
    const QImage ecran = Screen();
    Form().EnVol = true;
    EXPECT_THROW(Form().AnimeOiseau(40, 30), EPlatformError);
    EXPECT_TRUE(Form().EnVol);
    EXPECT_EQ(Screen(), ecran);
}

TEST_F(BirdTest, AMissingRestingBirdFailsAndLeavesTheScreen) {
    ASSERT_TRUE(QFile::remove(QString::fromUtf8(kOiseauRepos)));
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
    // A pixel that every frame written by the fixture colours.
    const QPoint coin = QPoint(150, 120) - QPoint(50, 25) + QPoint(2, 30);
    const QImage ecran = Screen();
    // What the flight area shows at each pause, with the pause asked for.
    std::vector<std::tuple<int, bool, TColor>> pauses;
    FausseAttente attente;
    attente.chaquePause = [&](int millisecondes, bool sansMessages) {
        pauses.emplace_back(millisecondes, sansMessages, Rgb(Screen(), coin.x(), coin.y()));
    };
    Bouge(QPoint(150, 120));

    std::vector<std::tuple<int, bool, TColor>> attendues;
    for (const char* image :
         {"./Savane/Oiseau06.bmp", "./Savane/Oiseau05.bmp", "./Savane/Oiseau04.bmp",
          "./Savane/Oiseau03.bmp", "./Savane/Oiseau02.bmp", "./Savane/Oiseau03.bmp",
          "./Savane/Oiseau05.bmp"}) {
        attendues.emplace_back(30, true, assets::SpriteColour(image) & 0xFFFFFFu);
    }
    attendues.emplace_back(20, true, Rgb(ecran, coin.x(), coin.y())); // the last frame gone
    EXPECT_EQ(pauses, attendues);
    EXPECT_FALSE(Form().EnVol);
}

TEST_F(BirdTest, AnUnreadableBirdIsReportedOncePerGameAndTheSystemPointerShowsInstead) {
    FausseAttente attente;
    for (const char* fichier : {kOiseauVol[3], kOiseauRepos}) {
        SCOPED_TRACE(fichier);
        const QString nom = QString::fromUtf8(fichier);
        messages.messages.clear();
        ASSERT_TRUE(QFile::rename(nom, nom + ".cache"));
        for (const QPoint point : {QPoint(60, 50), QPoint(150, 90)}) {
            Bouge(point);
        }
        Form().PB->Repaint();
        Form().Timer1Timer();
        EXPECT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Form().PB->cursor().shape(), Qt::ArrowCursor);
        // Each new game tries the bird again: the resting bird is drawn as it starts.
        QTest::mouseClick(Form().Savane, Qt::LeftButton);
        EXPECT_EQ(Messages().size(), fichier == kOiseauRepos ? 2u : 1u);
        ASSERT_TRUE(QFile::rename(nom + ".cache", nom));
        QTest::mouseClick(Form().Savane, Qt::LeftButton);
        EXPECT_EQ(Form().PB->cursor().shape(), crVide().shape());
        // The repaint after the new game shows the bird at the pointer again.
        EXPECT_EQ(Form().XOiseau, 150 - assets::kRestingBirdWidth / 2);
        EXPECT_EQ(Messages().size(), fichier == kOiseauRepos ? 2u : 1u);
        Form().XOiseau = 0; // for the next file's game to place it again
    }
}
