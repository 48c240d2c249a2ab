// SPDX-License-Identifier: MIT
// Pictures as people make them: sprites saved with a palette or with an alpha channel, a
// grey-scale photograph as background. Play must draw them exactly as it draws the
// true-colour files of the default pack.
#include "app/platform/PaintBox.h"
#include "game/Catalogue.h"
#include "support/GameWindow.h"
#include "support/Pictures.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Cellule {
    int Ligne;
    int Colonne;
};

enum class Genre { Palette1, Palette8, Vrai24, Alpha32 };

class FormatsTest : public GameWindowTest, public ::testing::WithParamInterface<Genre> {
protected:
    FormatsTest() {
        assets::WriteBackgrounds(400, 330);
        Form().DessEnviron = false;
        Form().DessCases = false;
        Form().LanceNouveauJeu();
        messages.messages.clear();
    }

    GRILLE& Case(Cellule c) { return Form().Grille[c.Ligne][c.Colonne]; }
    Cellule PremiereG() {
        for (int l = 0; l < NbLignes; ++l) {
            for (int c = 0; c < NbColonnes; ++c) {
                if (!Form().Grille[l][c].PhotoAnimal.empty()) {
                    return {l, c};
                }
            }
        }
        ADD_FAILURE() << "no pair";
        return {0, 0};
    }
    void Clique(Cellule c) {
        const int l = Form().PB->Width(), h = Form().PB->Height();
        QTest::mouseClick(Form().PB, Qt::LeftButton, {},
                          {c.Colonne * l / 5 + l / 10, c.Ligne * h / 4 + h / 8});
    }

    // The sprite written in the given kind of bitmap file: pure white on pure black, which
    // every palette holds exactly.
    QImage EcritSprite(const std::string& chemin, Genre genre) {
        const QImage sprite = assets::SpriteImage(30, 20, qRgb(255, 255, 255));
        QImage fichier;
        switch (genre) {
        case Genre::Palette1:
            fichier = sprite.convertToFormat(QImage::Format_Mono);
            break;
        case Genre::Palette8:
            fichier = sprite.convertToFormat(QImage::Format_Indexed8);
            break;
        case Genre::Vrai24:
            fichier = sprite;
            break;
        case Genre::Alpha32:
            fichier = sprite.convertToFormat(QImage::Format_ARGB32);
            break;
        }
        if (genre == Genre::Palette8) {
            pictures::WriteBmp(chemin, sprite, true);
        } else {
            assets::WriteBmp(chemin, fichier);
        }
        return sprite;
    }

    // The sprite's white drawn where it belongs, its black showing what was there before.
    bool Dessine(const QImage& image, const QImage& avant, Cellule c, const QImage& sprite) {
        const int x0 = c.Colonne * Form().LargeurCase + Form().LargeurCase / 2 - sprite.width() / 2;
        const int y0 = c.Ligne * Form().HauteurCase + Form().HauteurCase / 2 - sprite.height() / 2;
        for (int y = 0; y < sprite.height(); ++y) {
            for (int x = 0; x < sprite.width(); ++x) {
                const QRgb attendu = (sprite.pixel(x, y) & 0xFFFFFFu) == 0
                                         ? avant.pixel(x0 + x, y0 + y)
                                         : sprite.pixel(x, y);
                if (Rgb(image, x0 + x, y0 + y) != (attendu & 0xFFFFFFu)) {
                    return false;
                }
            }
        }
        return true;
    }
};

TEST_P(FormatsTest, SpritesOfEveryBitmapKindAreDrawnExactly) {
    const Cellule g = PremiereG();
    const QImage sprite = EcritSprite(Case(g).Dessin, GetParam());
    const QImage fond = Form().Fond->Image().convertToFormat(QImage::Format_RGB32);
    Clique(g);
    EXPECT_TRUE(messages.messages.empty());
    // The bird, which sits at the pointer over the sprite, goes with it.
    QEvent sortie(QEvent::Leave);
    QCoreApplication::sendEvent(Form().PB, &sortie);
    EXPECT_TRUE(Dessine(Screen(), fond, g, sprite));
    EXPECT_TRUE(
        Dessine(Form().Fond->Image().convertToFormat(QImage::Format_RGB32), fond, g, sprite));
}

INSTANTIATE_TEST_SUITE_P(FormatsBitmapKinds, FormatsTest,
                         ::testing::Values(Genre::Palette1, Genre::Palette8, Genre::Vrai24,
                                           Genre::Alpha32));

class FormatsGreyBackgroundTest : public GameWindowTest {};

TEST_F(FormatsGreyBackgroundTest, SpritesOverAGreyPhotographAreDrawnIntoItAndSurviveARepaint) {
    for (const char* fond : kFondsJeu[0]) {
        pictures::WriteJpeg(fond, pictures::Quarters(400, 330), pictures::JpegKind::Grey);
    }
    Form().DessEnviron = false;
    Form().DessCases = false;
    Form().TypeJeu = 0;
    Form().LanceNouveauJeu();
    ASSERT_TRUE(messages.messages.empty());
    ASSERT_EQ(Form().Fond->Width(), 400);

    Cellule g{0, 0};
    for (int l = 0; l < NbLignes; ++l) {
        for (int c = 0; c < NbColonnes; ++c) {
            if (!Form().Grille[l][c].PhotoAnimal.empty()) {
                g = {l, c};
            }
        }
    }
    GRILLE& cellule = Form().Grille[g.Ligne][g.Colonne];
    const QRgb couleur = assets::SpriteColour(cellule.Dessin);
    const int l = Form().PB->Width(), h = Form().PB->Height();
    QTest::mouseClick(Form().PB, Qt::LeftButton, {},
                      {g.Colonne * l / 5 + l / 10, g.Ligne * h / 4 + h / 8});
    ASSERT_TRUE(messages.messages.empty());

    // A point inside the sprite's shape, a little left of and below the cell's centre.
    const int x = g.Colonne * Form().LargeurCase + Form().LargeurCase / 2 - 2;
    const int y = g.Ligne * Form().HauteurCase + Form().HauteurCase / 2 + 6;
    EXPECT_EQ(Rgb(Screen(), x, y), couleur & 0xFFFFFFu);
    Form().PB->Repaint();
    EXPECT_EQ(Rgb(Screen(), x, y), couleur & 0xFFFFFFu) << "the sprite did not reach Fond";
}

} // namespace
