// SPDX-License-Identifier: MIT
// The game surface: the scene composed off screen, the transparent drawing of pictures and
// the resting bird.
#include "game/Scene.h"
#include "app/platform/Errors.h"
#include "app/sdimain.h"
#include "game/BltBitmap.h"
#include "game/Catalogue.h"

int XOiseauDernier = 0;
int YOiseauDernier = 0;

namespace {

// A background that failed to load leaves Fond empty; it is then treated as absent.
bool FondUtilisable(const std::unique_ptr<TBitmap>& fond) {
    return fond && !fond->Empty();
}

} // namespace

void TSDIAppForm::PBPaint() {
    // The whole client area, toolbar included: the part below the paint box is clipped.
    DessineScene(ClientWidth(), ClientHeight(), PB->Canvas());
}

void TSDIAppForm::DessineScene(int largeur, int hauteur, TCanvas& canvas) {
    TBitmap scene;
    scene.SetSize(largeur, hauteur);
    EffaceNoir(scene);
    TBltBitmap calque;
    calque.InitTaille(scene);
    EffaceNoir(calque);

    if (FondUtilisable(Fond)) {
        CopieFond(calque);
        scene.Canvas().CopyMode = TCopyMode::SRCCOPY;
        scene.Canvas().Draw(0, 0, calque);
        if (!EnVol) {
            // Drawn on the screen, then covered by the scene: only a later move shows the bird.
            // A bird that cannot be read must not keep the scene from showing; the next mouse
            // move reports it.
            try {
                DessineOiseau(-1, -1);
            } catch (const EPlatformError&) {
            }
        }
    }
    if (DessCases) {
        DessineGrille(calque);
    }
    // Background OR background is the background; background OR its inverse is white.
    scene.Canvas().CopyMode = TCopyMode::SRCPAINT;
    scene.Canvas().Draw(0, 0, calque);
    canvas.CopyMode = TCopyMode::SRCCOPY;
    canvas.Draw(0, 0, scene);
}

void TSDIAppForm::CopieFond(TBitmap& cible) {
    if (!FondUtilisable(Fond)) {
        return;
    }
    cible.Canvas().CopyMode = TCopyMode::SRCCOPY;
    cible.Canvas().CopyRect(Rect(0, 0, ClientWidth(), ClientHeight()), Fond->Canvas(),
                            Rect(0, 0, Fond->Width(), Fond->Height()));
}

void TSDIAppForm::DessineGrille(TBitmap& cible) {
    TBltBitmap grille;
    grille.InitTaille(cible);
    EffaceNoir(grille);
    TCanvas& canvas = grille.Canvas();
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Pen.Color = clWhite;
    canvas.Pen.Style = TPenStyle::psSolid;
    canvas.Pen.Width = 1;

    const int largeur = PB->Width();
    const int hauteur = PB->Height();
    // Before any background the cell size is 0: no line rather than an endless loop.
    if (LargeurCase > 0) {
        for (int x = LargeurCase; x < largeur; x += LargeurCase) {
            canvas.MoveTo(x, 0);
            canvas.LineTo(x, hauteur);
        }
    }
    if (HauteurCase > 0) {
        for (int y = HauteurCase; y < hauteur; y += HauteurCase) {
            canvas.MoveTo(0, y);
            canvas.LineTo(largeur, y);
        }
    }
    cible.Canvas().CopyMode = TCopyMode::SRCINVERT;
    cible.Canvas().Draw(0, 0, grille);
}

void TSDIAppForm::DessineTransparent(TBitmap& image, int largeur, int hauteur, int gauche, int haut,
                                     bool dansFond) {
    TBltBitmap travail;
    travail.InitTailleNoire(largeur, hauteur);
    const TRect local = Rect(0, 0, largeur, hauteur);
    const TRect ecran = Rect(gauche, haut, gauche + largeur, haut + hauteur);
    TCanvas& zone = travail.Canvas();

    // The screen is the source underneath, so what shows there (grid lines, other sprites)
    // stays visible through the picture's black pixels.
    zone.CopyMode = TCopyMode::SRCCOPY;
    zone.CopyRect(local, PB->Canvas(), ecran);
    zone.CopyMode = TCopyMode::SRCPAINT;
    zone.CopyRect(local, image.Canvas(), local);
    // Black turned white: the AND keeps the screen there and the picture everywhere else.
    image.Canvas().Brush.Color = clWhite;
    image.Canvas().BrushCopy(local, image, local, clBlack);
    zone.CopyMode = TCopyMode::SRCAND;
    zone.CopyRect(local, image.Canvas(), local);

    PB->Canvas().CopyMode = TCopyMode::SRCCOPY;
    PB->Canvas().CopyRect(ecran, zone, local);
    if (dansFond && FondUtilisable(Fond)) {
        Fond->Canvas().CopyMode = TCopyMode::SRCCOPY;
        Fond->Canvas().CopyRect(ecran, zone, local);
    }
}

void TSDIAppForm::DessineOiseau(int x, int y) {
    if (x == -1 && y == -1) {
        x = XOiseauDernier;
        y = YOiseauDernier;
    }
    TBitmap oiseau;
    oiseau.LoadFromFile(OiseauRepos);
    LargeurOiseau = oiseau.Width();
    HauteurOiseau = oiseau.Height();
    DessineTransparent(oiseau, LargeurOiseau, HauteurOiseau, x, y, false);
    XOiseauDernier = x;
    YOiseauDernier = y;
}

void TSDIAppForm::EffaceOiseau() {
    // Fond holds everything on the screen but the bird.
    if (!FondUtilisable(Fond)) {
        return;
    }
    const TRect oiseau = Rect(XOiseau, YOiseau, XOiseau + LargeurOiseau, YOiseau + HauteurOiseau);
    PB->Canvas().CopyMode = TCopyMode::SRCCOPY;
    PB->Canvas().CopyRect(oiseau, Fond->Canvas(), oiseau);
}
