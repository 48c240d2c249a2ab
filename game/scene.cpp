// SPDX-License-Identifier: MIT
// The game surface: the scene composed off screen, the transparent drawing of pictures and
// the resting bird.
#include "app/platform/Errors.h"
#include "app/sdimain.h"
#include "game/BltBitmap.h"
#include "game/Catalogue.h"
#include "game/OiseauDernier.h"

#include <algorithm>
#include <vector>

namespace {

// A background that failed to load leaves Fond empty; it is then treated as absent.
bool FondUtilisable(const std::unique_ptr<TBitmap>& fond) {
    return fond && !fond->Empty();
}

// A paint shows no error box: a bird that cannot be read is reported by the next mouse move.
void OiseauSansErreur(const TSDIAppForm& f, const std::function<void()>& dessin) {
    if (f.OiseauIlisible) {
        return;
    }
    try {
        dessin();
    } catch (const EPlatformError&) {
    }
}

// The grid's lines over a width x height box: x = k x largeurCase and y = k x hauteurCase,
// k >= 1, none on the outer edges. ligne(x0, y0, x1, y1) gets each one, its end excluded.
// Before any background the cell size is 0: no line rather than an endless loop.
template <class Ligne>
void LignesGrille(int largeurCase, int hauteurCase, int largeur, int hauteur, Ligne ligne) {
    if (largeurCase > 0) {
        for (int x = largeurCase; x < largeur; x += largeurCase) {
            ligne(x, 0, x, hauteur);
        }
    }
    if (hauteurCase > 0) {
        for (int y = hauteurCase; y < hauteur; y += hauteurCase) {
            ligne(0, y, largeur, y);
        }
    }
}

void PlumeBlanche(TCanvas& canvas) {
    canvas.Pen.Color = clWhite;
    canvas.Pen.Style = TPenStyle::psSolid;
    canvas.Pen.Width = 1;
}

// The board shown smaller or larger than drawn keeps every grid line, equally thick.
void GardeGrilleVisible(TSDIAppForm& f) {
    std::vector<int> colonnes;
    std::vector<int> lignes;
    if (f.DessCases) {
        LignesGrille(f.LargeurCase, f.HauteurCase, f.PB->Width(), f.PB->Height(),
                     [&](int x0, int y0, int x1, int) {
                         (x0 == x1 ? colonnes : lignes).push_back(x0 == x1 ? x0 : y0);
                     });
    }
    f.PB->SetKeptLines(std::move(colonnes), std::move(lignes));
}

} // namespace

void TSDIAppForm::PBPaint() {
    GardeGrilleVisible(*this);
    // The whole client area, toolbar included: the part below the paint box is clipped.
    DessineScene(LargeurScene(), HauteurScene(), PB->Canvas());
    // The bird is the child's only pointer: a paint must not take it away.
    OiseauSansErreur(*this, [this] { OiseauAuPointeur(); });
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
            // Drawn on the screen, then covered by the scene; a bird that cannot be read must
            // not keep the scene from showing.
            OiseauSansErreur(*this, [this] { DessineOiseau(-1, -1); });
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
    cible.Canvas().CopyRect(Rect(0, 0, LargeurScene(), HauteurScene()), Fond->Canvas(),
                            Rect(0, 0, Fond->Width(), Fond->Height()));
}

void TSDIAppForm::DessineGrille(TBitmap& cible) {
    TBltBitmap grille;
    grille.InitTaille(cible);
    EffaceNoir(grille);
    TCanvas& canvas = grille.Canvas();
    canvas.Brush.Style = TBrushStyle::bsSolid;
    PlumeBlanche(canvas);
    LignesGrille(LargeurCase, HauteurCase, PB->Width(), PB->Height(),
                 [&canvas](int x0, int y0, int x1, int y1) {
                     canvas.MoveTo(x0, y0);
                     canvas.LineTo(x1, y1);
                 });
    cible.Canvas().CopyMode = TCopyMode::SRCINVERT;
    cible.Canvas().Draw(0, 0, grille);
}

void TSDIAppForm::RetraceGrille(const TRect& zone) {
    if (!DessCases) {
        return;
    }
    // Plain white on the screen is what the paint's inversion gives on every line.
    TCanvas& canvas = PB->Canvas();
    PlumeBlanche(canvas);
    LignesGrille(LargeurCase, HauteurCase, PB->Width(), PB->Height(),
                 [&canvas, &zone](int x0, int y0, int x1, int y1) {
                     // Each line is one pixel thick; only its part inside the zone is drawn.
                     const bool verticale = x0 == x1;
                     const int gauche = std::max(x0, zone.Left);
                     const int haut = std::max(y0, zone.Top);
                     const int droite = std::min(verticale ? x0 + 1 : x1, zone.Right);
                     const int bas = std::min(verticale ? y1 : y0 + 1, zone.Bottom);
                     if (gauche >= droite || haut >= bas) {
                         return;
                     }
                     canvas.MoveTo(gauche, haut);
                     canvas.LineTo(verticale ? gauche : droite, verticale ? bas : haut);
                 });
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
    oiseau.LoadFromFile(kOiseauRepos);
    LargeurOiseau = oiseau.Width();
    HauteurOiseau = oiseau.Height();
    DessineTransparent(oiseau, LargeurOiseau, HauteurOiseau, x, y, false);
    XOiseauDernier = x;
    YOiseauDernier = y;
}

void TSDIAppForm::EffaceOiseau() {
    // Fond holds everything on the screen but the bird and the grid.
    if (!FondUtilisable(Fond)) {
        return;
    }
    const TRect oiseau = Rect(XOiseau, YOiseau, XOiseau + LargeurOiseau, YOiseau + HauteurOiseau);
    PB->Canvas().CopyMode = TCopyMode::SRCCOPY;
    PB->Canvas().CopyRect(oiseau, Fond->Canvas(), oiseau);
    RetraceGrille(oiseau);
}
