// SPDX-License-Identifier: MIT
#include "app/platform/Errors.h"
#include "game/Catalogue.h"
#include "support/GameWindow.h"

#include <QCoreApplication>
#include <QFile>
#include <chrono>

namespace {

class BirdTest : public GameWindowTest {
protected:
    BirdTest() {
        Form().DessCases = true;
        Form().PBPaint();
    }

    QImage FondImage() { return Form().Fond->Image().convertToFormat(QImage::Format_RGB32); }
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
