// SPDX-License-Identifier: MIT
#include "game/Catalogue.h"
#include "game/OiseauDernier.h"
#include "support/GameWindow.h"

#include <QFile>

namespace {

// A background with every kind of colour, pure black and pure white included.
QImage Bariole(int largeur, int hauteur) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    const QRgb couleurs[] = {qRgb(0, 0, 0),     qRgb(255, 255, 255), qRgb(255, 0, 0),
                             qRgb(1, 1, 1),     qRgb(12, 200, 99),   qRgb(254, 254, 254),
                             qRgb(128, 64, 32), qRgb(0, 0, 255)};
    for (int y = 0; y < hauteur; ++y) {
        for (int x = 0; x < largeur; ++x) {
            image.setPixel(x, y, couleurs[(x * 3 + y * 5 + x * y) % 8]);
        }
    }
    return image;
}

class SceneTest : public GameWindowTest {
protected:
    SceneTest() {
        Form().Fond = std::make_unique<TBitmap>();
        Form().Fond->Assign(Bariole(Form().ClientWidth(), Form().ClientHeight()));
    }

    QImage FondImage() { return Form().Fond->Image().convertToFormat(QImage::Format_RGB32); }

    // A picture of 6 x 4: pure black, near-black and ordinary colours.
    static QImage Motif() {
        QImage image(6, 4, QImage::Format_RGB32);
        image.fill(Qt::black);
        image.setPixel(1, 0, qRgb(1, 1, 1));
        image.setPixel(2, 0, qRgb(0, 0, 1));
        image.setPixel(3, 1, qRgb(255, 255, 255));
        image.setPixel(4, 2, qRgb(200, 10, 10));
        image.setPixel(5, 3, qRgb(0, 100, 0));
        return image;
    }

    // Draws Motif at (gauche, haut) and checks every pixel against what the screen showed.
    void ExpectTransparentDrawing(int gauche, int haut, bool dansFond) {
        const QImage avant = Screen();
        const bool avecFond = Form().Fond && !Form().Fond->Empty();
        const QImage fondAvant = avecFond ? FondImage() : QImage();
        TBitmap image;
        image.Assign(Motif());
        Form().DessineTransparent(image, 6, 4, gauche, haut, dansFond);

        const QImage apres = Screen();
        const QImage motif = Motif();
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 6; ++x) {
                const TColor attendu = Rgb(motif, x, y) == clBlack
                                           ? Rgb(avant, gauche + x, haut + y)
                                           : Rgb(motif, x, y);
                EXPECT_EQ(Rgb(apres, gauche + x, haut + y), attendu) << x << "," << y;
                if (avecFond) {
                    const TColor fond = dansFond ? attendu : Rgb(fondAvant, gauche + x, haut + y);
                    EXPECT_EQ(Form().Fond->Canvas().Pixel(gauche + x, haut + y), fond);
                }
                // The picture itself has its black turned white.
                EXPECT_EQ(image.Canvas().Pixel(x, y),
                          Rgb(motif, x, y) == clBlack ? clWhite : Rgb(motif, x, y));
            }
        }
    }

    bool SurLaGrille(int x, int y) {
        return (x > 0 && x % Form().LargeurCase == 0) || (y > 0 && y % Form().HauteurCase == 0);
    }
};

} // namespace

TEST_F(SceneTest, WithoutGridTheSceneIsExactlyFond) {
    Form().DessCases = false;
    Form().PBPaint();
    const QImage ecran = Screen();
    const QImage fond = FondImage();
    ASSERT_EQ(ecran.width(), fond.width());
    for (int y = 0; y < ecran.height(); ++y) {
        for (int x = 0; x < ecran.width(); ++x) {
            ASSERT_EQ(Rgb(ecran, x, y), Rgb(fond, x, y)) << x << "," << y;
        }
    }
}

TEST_F(SceneTest, GridLinesArePureWhiteOverAnyColourAndLeaveTheOuterEdges) {
    Form().DessCases = true;
    ASSERT_GT(Form().LargeurCase, 0);
    ASSERT_GT(Form().HauteurCase, 0);
    Form().PBPaint();
    const QImage ecran = Screen();
    const QImage fond = FondImage();
    int lignes = 0;
    for (int y = 0; y < ecran.height(); ++y) {
        for (int x = 0; x < ecran.width(); ++x) {
            const TColor attendu = SurLaGrille(x, y) ? clWhite : Rgb(fond, x, y);
            ASSERT_EQ(Rgb(ecran, x, y), attendu) << x << "," << y;
            lignes += SurLaGrille(x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(lignes, 0);
}

TEST_F(SceneTest, ARepaintTakesTheRestingBirdAway) {
    Form().DessCases = false;
    Form().PBPaint();
    Form().DessineOiseau(20, 10);
    EXPECT_NE(Screen(), FondImage().copy(0, 0, Screen().width(), Screen().height()));
    Form().PBPaint();
    EXPECT_EQ(Screen(), FondImage().copy(0, 0, Screen().width(), Screen().height()));
}

TEST_F(SceneTest, AnUnreadableRestingBirdDoesNotKeepTheSceneFromShowing) {
    Form().DessCases = false;
    ASSERT_TRUE(QFile::remove(QString::fromUtf8(kOiseauRepos)));
    Form().PB->Canvas().Surface().fill(Qt::red);
    Form().PBPaint();
    EXPECT_EQ(Screen(), FondImage().copy(0, 0, Screen().width(), Screen().height()));
}

TEST_F(SceneTest, WithoutBackgroundTheSceneIsBlackAndNoCellSizeDrawsNoGrid) {
    Form().DessCases = true;
    for (const int taille : {0, -4}) {
        Form().Fond.reset();
        Form().LargeurCase = taille;
        Form().HauteurCase = taille;
        Form().PBPaint();
        const QImage ecran = Screen();
        for (int y = 0; y < ecran.height(); ++y) {
            for (int x = 0; x < ecran.width(); ++x) {
                ASSERT_EQ(Rgb(ecran, x, y), clBlack) << x << "," << y;
            }
        }
    }
}

TEST_F(SceneTest, AnEmptyBackgroundGivesBlackCellsWithWhiteLines) {
    Form().Fond = std::make_unique<TBitmap>();
    Form().LargeurCase = 40;
    Form().HauteurCase = 30;
    Form().PBPaint();
    const QImage ecran = Screen();
    for (int y = 0; y < ecran.height(); ++y) {
        for (int x = 0; x < ecran.width(); ++x) {
            ASSERT_EQ(Rgb(ecran, x, y), SurLaGrille(x, y) ? clWhite : clBlack) << x << "," << y;
        }
    }
}

TEST_F(SceneTest, TransparentDrawingShowsTheScreenThroughPureBlackOnly) {
    Form().DessCases = true;
    Form().PBPaint();
    ExpectTransparentDrawing(37, 28, false); // across grid lines
    ExpectTransparentDrawing(37, 28, true);
    // The screen, not Fond, is what goes under the picture, into Fond too.
    Form().PB->Canvas().Surface().setPixel(100, 60, qRgb(9, 8, 7));
    ExpectTransparentDrawing(100, 60, true);
    EXPECT_EQ(Form().Fond->Canvas().Pixel(100, 60), RGB(9, 8, 7));
}

TEST_F(SceneTest, TransparentDrawingIsClippedAtTheEdges) {
    Form().DessCases = false;
    Form().PBPaint();
    const int droite = Form().PB->Width() - 1;
    const int bas = Form().PB->Height() - 1;
    const TColor dessous = Form().PB->Canvas().Pixel(droite - 1, bas);
    TBitmap image;
    image.Assign(Motif());
    Form().DessineTransparent(image, 6, 4, -3, -2, true);
    EXPECT_EQ(Form().PB->Canvas().Pixel(1, 0), RGB(200, 10, 10));
    EXPECT_EQ(Form().PB->Canvas().Pixel(2, 1), RGB(0, 100, 0));
    image.Assign(Motif());
    Form().DessineTransparent(image, 6, 4, droite - 1, bas, true);
    EXPECT_EQ(Form().PB->Canvas().Pixel(droite - 1, bas), dessous);
    EXPECT_EQ(Form().PB->Canvas().Pixel(droite, bas), RGB(1, 1, 1));
    EXPECT_EQ(Form().Fond->Canvas().Pixel(droite, bas), RGB(1, 1, 1));
}

TEST_F(SceneTest, WithoutBackgroundDrawingIntoFondOnlyReachesTheScreen) {
    Form().PBPaint();
    for (const bool vide : {false, true}) {
        Form().Fond = vide ? std::make_unique<TBitmap>() : nullptr;
        ExpectTransparentDrawing(10, 10, true);
        if (vide) {
            EXPECT_TRUE(Form().Fond->Empty());
        }
    }
}

TEST_F(SceneTest, RestingBirdIsDrawnAtItsCornerAndAgainAtTheLastOne) {
    Form().DessCases = false;
    Form().PBPaint();
    Form().DessineOiseau(30, 40);
    EXPECT_EQ(XOiseauDernier, 30);
    EXPECT_EQ(YOiseauDernier, 40);
    const QImage oiseau = assets::SpriteImage(assets::kRestingBirdWidth, assets::kRestingBirdHeight,
                                              assets::SpriteColour(kOiseauRepos));
    const QImage avecOiseau = Screen();
    const QImage fond = FondImage();
    for (int y = 0; y < oiseau.height(); ++y) {
        for (int x = 0; x < oiseau.width(); ++x) {
            const TColor attendu =
                Rgb(oiseau, x, y) == clBlack ? Rgb(fond, 30 + x, 40 + y) : Rgb(oiseau, x, y);
            EXPECT_EQ(Rgb(avecOiseau, 30 + x, 40 + y), attendu);
        }
    }
    Form().PBPaint();
    Form().DessineOiseau(-1, -1);
    EXPECT_EQ(Screen(), avecOiseau);
}

TEST_F(SceneTest, EffaceOiseauPutsTheSceneBackUnderTheBirdGridIncluded) {
    const int l = Form().LargeurCase, h = Form().HauteurCase;
    for (const bool grille : {false, true}) {
        Form().DessCases = grille;
        Form().PBPaint();
        const QImage propre = Screen();
        // Inside a cell, across lines and their crossing, over the outer edges.
        for (const QPoint coin : {QPoint(60, 30), QPoint(l - 8, 2 * h - 6), QPoint(-5, -4),
                                  QPoint(Form().PB->Width() - 9, 3 * h - 2)}) {
            Form().XOiseau = coin.x();
            Form().YOiseau = coin.y();
            Form().DessineOiseau(coin.x(), coin.y());
            ASSERT_NE(Screen(), propre);
            Form().EffaceOiseau();
            EXPECT_EQ(Screen(), propre) << coin.x() << "," << coin.y();
        }
    }

    // Without a background there is nothing to put back: the screen stays as it is.
    Form().DessineOiseau(60, 50);
    const QImage avecOiseau = Screen();
    for (const bool vide : {false, true}) {
        Form().Fond = vide ? std::make_unique<TBitmap>() : nullptr;
        Form().EffaceOiseau();
        EXPECT_EQ(Screen(), avecOiseau);
    }
}
