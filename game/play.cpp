// SPDX-License-Identifier: MIT
// Play: a press reveals a cell or completes a pair, a release may arm the timed hide, and
// entering a cell hides its sprite. Sprites are drawn into Fond as well as onto the screen;
// the background they cover is kept in the cell's Dessous until they are hidden or found.
#include "app/platform/Frame.h"
#include "app/platform/Sound.h"
#include "app/sdimain.h"
#include "game/Catalogue.h"
#include "game/VoixFamille.h"
#include "windows/Gagne.h"
#include "windows/UEnviron.h"

#include <QTimer>
#include <memory>
#include <optional>

int LigneSouris = -1;
int ColonneSouris = -1;

namespace {

QPoint Centre(const TSDIAppForm& f, Case c) {
    return {c.Colonne * f.LargeurCase + f.LargeurCase / 2,
            c.Ligne * f.HauteurCase + f.HauteurCase / 2};
}

// The cell the game points at (the keyboard's last, or the mouse's since its last event), not
// where the bird was drawn, which lags behind a flight and stays put when the bird cannot be
// drawn. Once the pointer has left the board, the cell it left.
Case CaseDuPointeur(const TSDIAppForm& f) {
    const std::optional<QPoint> pointe = f.PB->PointerPos();
    return pointe ? CaseSous(pointe->x(), pointe->y(), f.PB->Width(), f.PB->Height())
                  : Case{LigneSouris, ColonneSouris};
}

// Top-left corner of a sprite of the given size centred on a cell.
QPoint CoinSprite(const TSDIAppForm& f, Case c, int largeur, int hauteur) {
    const QPoint centre = Centre(f, c);
    return {centre.x() - largeur / 2, centre.y() - hauteur / 2};
}

// Draws the freshly loaded sprite for good: on the screen and into Fond.
void DessineSprite(TSDIAppForm& f, TBitmap& sprite, Case c) {
    const QPoint coin = CoinSprite(f, c, sprite.Width(), sprite.Height());
    f.DessineTransparent(sprite, sprite.Width(), sprite.Height(), coin.x(), coin.y(), true);
}

void Revele(TSDIAppForm& f, Case c) {
    GRILLE& cellule = f.Grille[c.Ligne][c.Colonne];
    if (f.DessEnviron) {
        f.MontrePhoto(c.Ligne, c.Colonne);
    }
    f.CacheCase(cellule.LigneAutre, cellule.ColonneAutre);
    // A sprite still shown is taken off first: saving under it would save the sprite itself.
    f.CacheCase(c.Ligne, c.Colonne);
    cellule.Dessous = std::make_unique<TBitmap>();

    auto sprite = std::make_unique<TBitmap>();
    sprite->LoadFromFile(cellule.Dessin);
    const int largeur = sprite->Width();
    const int hauteur = sprite->Height();
    cellule.Dessous->SetSize(largeur, hauteur);
    const QPoint coin = CoinSprite(f, c, largeur, hauteur);
    cellule.XCentre = Centre(f, c).x();
    cellule.YCentre = Centre(f, c).y();
    cellule.Largeur = largeur;
    cellule.Hauteur = hauteur;

    f.EffaceOiseau();
    if (f.Fond) {
        TCanvas& dessous = cellule.Dessous->Canvas();
        dessous.CopyMode = TCopyMode::SRCCOPY;
        dessous.CopyRect(Rect(0, 0, largeur, hauteur), f.Fond->Canvas(),
                         Rect(coin.x(), coin.y(), coin.x() + largeur, coin.y() + hauteur));
    }
    f.DessineTransparent(*sprite, largeur, hauteur, coin.x(), coin.y(), true);
    sprite.reset();
    f.JoueCri(c.Ligne, c.Colonne);
    f.RemetOiseau();
}

void Gagne(TSDIAppForm& f) {
    f.JoueSon(kSonGagne, SND_SYNC);
    PlaceCentredOn(*Bravo, f);
    if (Bravo->ShowModal() == mrYes) {
        f.LanceNouveauJeu();
    } else {
        f.close();
    }
}

// c: the pressed cell; p: the earlier selection, c's partner.
void PaireTrouvee(TSDIAppForm& f, Case c, Case p) {
    GRILLE& cellule = f.Grille[c.Ligne][c.Colonne];
    GRILLE& autre = f.Grille[p.Ligne][p.Colonne];
    auto sprite = std::make_unique<TBitmap>();
    sprite->LoadFromFile(cellule.Dessin);
    f.EffaceOiseau();
    DessineSprite(f, *sprite, c);
    cellule.Trouve = true;
    if (!autre.Dessous) {
        sprite->LoadFromFile(autre.Dessin);
        DessineSprite(f, *sprite, p);
    }
    autre.Trouve = true;
    sprite.reset();

    f.JoueSon(kSonTrouve, SND_ASYNC);
    f.LigneSel = -1;
    f.ColonneSel = -1;
    cellule.Dessous.reset();
    autre.Dessous.reset();
    f.RemetOiseau();
    if (ToutTrouve(f.Grille)) {
        Gagne(f);
    }
}

} // namespace

void TSDIAppForm::PBMouseDown(TMouseButton, TShiftState, int X, int Y) {
    const Case clic = CaseSous(X, Y, PB->Width(), PB->Height());
    if (!DansGrille(clic)) {
        return;
    }
    const Case precedente{LigneSel, ColonneSel};
    // A selected cell hidden again since is revealed like any other hidden cell.
    if (clic == precedente && Grille[clic.Ligne][clic.Colonne].Dessous) {
        return;
    }
    LigneSel = clic.Ligne;
    ColonneSel = clic.Colonne;

    if (FormentPaire(Grille, precedente, clic)) {
        PaireTrouvee(*this, clic, precedente);
        return;
    }
    if (ResteATrouver(Grille[clic.Ligne][clic.Colonne])) {
        Revele(*this, clic);
    }
}

void TSDIAppForm::PBMouseUp(TMouseButton, TShiftState, int X, int Y) {
    if (ChoixImage != 1) {
        return;
    }
    const Case relache = CaseSous(X, Y, PB->Width(), PB->Height());
    if (!DansGrille(relache) || relache != Case{LigneSel, ColonneSel}) {
        return;
    }
    if (Grille[relache.Ligne][relache.Colonne].LigneAutre == -1) {
        return;
    }
    if (Timer1->isActive()) {
        Timer1->stop();
        CacheCase(LigneImage, ColonneImage);
        RemetOiseau();
    }
    LigneImage = relache.Ligne;
    ColonneImage = relache.Colonne;
    Timer1->start();
}

void TSDIAppForm::PBMouseMove(TShiftState, int X, int Y) {
    const Case survol = CaseSous(X, Y, PB->Width(), PB->Height());
    if (survol != Case{LigneSouris, ColonneSouris} && DansGrille(survol)) {
        CacheCase(survol.Ligne, survol.Colonne);
    }
    LigneSouris = survol.Ligne;
    ColonneSouris = survol.Colonne;

    AvecOiseau([&] {
        if (!EnVol) {
            EffaceOiseau();
        }
        EnVol = true;
        AnimeOiseau(X - kPointeurDansVol.x(), Y - kPointeurDansVol.y());
        PoseOiseau(X, Y);
    });
}

void TSDIAppForm::PBKeyDown(WORD& Key, TShiftState Shift) {
    const Case depart = CaseDuClavier(CaseDuPointeur(*this));
    const QPoint ici = Centre(*this, depart);
    switch (Key) {
    case VK_SPACE:
    case VK_RETURN:
        PB->SetPointerPos(ici);
        PBMouseDown(TMouseButton::mbLeft, ssLeft, ici.x(), ici.y());
        PBMouseUp(TMouseButton::mbLeft, 0, ici.x(), ici.y());
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_TAB: {
        const Case cible = CaseVisee(depart, Key, Shift);
        if (cible != depart) {
            const QPoint la = Centre(*this, cible);
            PB->SetPointerPos(la);
            Environ->OiseauSur(cible.Ligne, cible.Colonne);
            PBMouseMove(0, la.x(), la.y());
        }
        break;
    }
    default:
        return;
    }
    Key = 0;
}

void TSDIAppForm::Timer1Timer() {
    CacheCase(LigneImage, ColonneImage);
    Timer1->stop();
    RemetOiseau();
}

void TSDIAppForm::CacheCase(int ligne, int colonne) {
    if (!DansGrille({ligne, colonne})) {
        return;
    }
    GRILLE& cellule = Grille[ligne][colonne];
    if (!cellule.Dessous) {
        return;
    }
    // An empty Dessous (the sprite could not be read) covers nothing.
    if (!cellule.Dessous->Empty()) {
        const int gauche = cellule.XCentre - cellule.Largeur / 2;
        const int haut = cellule.YCentre - cellule.Hauteur / 2;
        const TRect piece = Rect(gauche, haut, gauche + cellule.Largeur, haut + cellule.Hauteur);
        const TRect source = Rect(0, 0, cellule.Largeur, cellule.Hauteur);
        if (Fond) {
            Fond->Canvas().CopyMode = TCopyMode::SRCCOPY;
            Fond->Canvas().CopyRect(piece, cellule.Dessous->Canvas(), source);
        }
        PB->Canvas().CopyMode = TCopyMode::SRCCOPY;
        PB->Canvas().CopyRect(piece, cellule.Dessous->Canvas(), source);
        // The piece came from Fond, which holds no grid.
        RetraceGrille(piece);
    }
    cellule.Dessous.reset();
}

void TSDIAppForm::MontrePhoto(int ligne, int colonne) {
    if (Environ->Visible()) {
        Environ->Hide();
    }
    const GRILLE& cellule = CelluleAvec(Grille, {ligne, colonne}, &GRILLE::PhotoAnimal);
    if (cellule.PhotoAnimal.empty()) {
        return;
    }
    Environ->FichierImage = cellule.PhotoAnimal;
    Environ->FichierSon = cellule.CriAnimal;
    Environ->FichierNom = cellule.NomAnimal;
    Environ->Show();
}

void TSDIAppForm::JoueCri(int ligne, int colonne) {
    const GRILLE& cellule = CelluleAvec(Grille, {ligne, colonne}, &GRILLE::CriAnimal);
    if (!cellule.CriAnimal.empty()) {
        JoueCriEtNom(cellule.CriAnimal, cellule.NomAnimal, SND_ASYNC);
    }
}

void TSDIAppForm::JoueSon(const std::string& fichier, unsigned attente) {
    if (Bruitage) {
        sndPlaySoundA(fichier, attente);
    }
}

void TSDIAppForm::JoueCriEtNom(const std::string& cri, const std::string& nom, unsigned attente) {
    if (Bruitage) {
        sndPlaySoundA(SonAJouer(cri, Espion), attente);
        DitNomAnimal(nom);
    }
}

void TSDIAppForm::DitNomAnimal(const std::string& nom) {
    if (DitNom && !nom.empty()) {
        sndPlaySoundA(SonAJouer(nom, Espion), SND_ASYNC | SND_QUEUE);
    }
}
