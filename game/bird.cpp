// SPDX-License-Identifier: MIT
// The bird that stands in for the pointer: its flight where the pointer is (seven frames drawn
// over the screen and taken off again, without touching Fond), its return to the pointer after
// other drawings, and the system pointer in its place when its pictures cannot be read.
#include "app/platform/Errors.h"
#include "app/platform/Screen.h"
#include "app/sdimain.h"
#include "game/Attente.h"
#include "game/BltBitmap.h"
#include "game/Catalogue.h"

#include <array>

namespace {

constexpr int kAttenteImage = 30;
constexpr int kAttenteFin = 20;

// The frame's kLargeurVol x kHauteurVol area from its top-left corner; what a smaller file lacks is
// black, hence transparent.
std::unique_ptr<TBitmap> CadreVol(TBitmap& image) {
    auto cadre = std::make_unique<TBitmap>();
    cadre->SetSize(kLargeurVol, kHauteurVol);
    EffaceNoir(*cadre);
    cadre->Canvas().Draw(0, 0, image);
    return cadre;
}

} // namespace

void TSDIAppForm::AnimeOiseau(int x, int y) {
    TBltBitmap sauvegarde;
    sauvegarde.InitTailleNoire(kLargeurVol, kHauteurVol);
    const TRect local = Rect(0, 0, kLargeurVol, kHauteurVol);
    const TRect ecran = Rect(x, y, x + kLargeurVol, y + kHauteurVol);

    // Every frame is read before the first is drawn: a missing file draws nothing.
    std::array<std::unique_ptr<TBitmap>, std::size(kOiseauVol)> images;
    for (std::size_t i = 0; i < images.size(); ++i) {
        TBitmap fichier;
        fichier.LoadFromFile(kOiseauVol[i]);
        images[i] = CadreVol(fichier);
    }

    for (auto& image : images) {
        sauvegarde.Canvas().CopyMode = TCopyMode::SRCCOPY;
        sauvegarde.Canvas().CopyRect(local, PB->Canvas(), ecran);
        DessineTransparent(*image, kLargeurVol, kHauteurVol, x, y, false);
        Attente(kAttenteImage, true);
        PB->Canvas().CopyMode = TCopyMode::SRCCOPY;
        PB->Canvas().CopyRect(ecran, sauvegarde.Canvas(), local);
    }
    Attente(kAttenteFin, true);
    EnVol = false;
}

void TSDIAppForm::Attente(int millisecondes, bool sansMessages) {
    AttenteCourante().Attend(millisecondes, sansMessages);
}

void TSDIAppForm::ChoisitPointeur(bool oiseau) {
    OiseauIlisible = !oiseau;
    PB->setCursor(oiseau ? crVide() : QCursor(Qt::ArrowCursor));
}

void TSDIAppForm::AvecOiseau(const std::function<void()>& dessin) {
    if (OiseauIlisible) {
        return;
    }
    try {
        dessin();
    } catch (const EPlatformError&) {
        // Without the bird the child would see no pointer at all; no flight is under way.
        ChoisitPointeur(false);
        EnVol = false;
        throw;
    }
}

void TSDIAppForm::PoseOiseau(int X, int Y) {
    XOiseau = X - LargeurOiseau / 2;
    YOiseau = Y - HauteurOiseau / 2;
    DessineOiseau(XOiseau, YOiseau);
}

void TSDIAppForm::OiseauAuPointeur() {
    const std::optional<QPoint> pointeur = PB->PointerPos();
    if (EnVol || !pointeur) {
        return;
    }
    EffaceOiseau();
    PoseOiseau(pointeur->x(), pointeur->y());
}

void TSDIAppForm::RemetOiseau() {
    AvecOiseau([this] { OiseauAuPointeur(); });
}

void TSDIAppForm::PBMouseEnter() {
    RemetOiseau();
}

void TSDIAppForm::PBMouseLeave() {
    if (!EnVol) {
        EffaceOiseau();
    }
}
