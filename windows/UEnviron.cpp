// SPDX-License-Identifier: MIT
#include "windows/UEnviron.h"

#include "FonctGen/FonctGen.h"
#include "app/platform/Frame.h"
#include "app/platform/Guard.h"
#include "app/platform/MulDiv.h"
#include "app/platform/PaintBox.h"
#include "app/platform/Screen.h"
#include "app/platform/Sound.h"
#include "app/sdimain.h"
#include "ui_UEnviron.h"

#include <QShowEvent>
#include <algorithm>
#include <iterator>

namespace {

// The cells of the main window's board that a window of that outer rectangle would cover.
int CasesCouvertes(const QRect& exterieur) {
    const TSDIAppForm& principal = *SDIAppForm;
    const QPoint origine = principal.PB->mapToGlobal(QPoint(0, 0));
    int couvertes = 0;
    for (int ligne = 0; ligne < NbLignes; ++ligne) {
        for (int colonne = 0; colonne < NbColonnes; ++colonne) {
            const QRect cellule(colonne * principal.LargeurCase, ligne * principal.HauteurCase,
                                principal.LargeurCase, principal.HauteurCase);
            if (exterieur.intersects(principal.PB->WidgetRect(cellule).translated(origine))) {
                ++couvertes;
            }
        }
    }
    return couvertes;
}

// Of the work area's four corners, the one where a window of that outer size covers the
// fewest cells; among equals the top right one, where the viewer usually stands.
QPoint CoinLibre(const QSize& exterieur, const TRect& zone) {
    const int gauche = zone.Left;
    const int droite = std::max(zone.Left, zone.Right - exterieur.width());
    const int haut = zone.Top;
    const int bas = std::max(zone.Top, zone.Bottom - exterieur.height());
    const QPoint coins[] = {{droite, haut}, {gauche, haut}, {droite, bas}, {gauche, bas}};
    return *std::min_element(
        std::begin(coins), std::end(coins), [&exterieur](const QPoint& a, const QPoint& b) {
            return CasesCouvertes(QRect(a, exterieur)) < CasesCouvertes(QRect(b, exterieur));
        });
}

} // namespace

TEnviron::TEnviron(QWidget* parent) : TForm(parent), ui(std::make_unique<Ui::Environ>()) {
    ui->setupUi(this);
    PB = ui->PB;
    // Shown at every reveal: the main window keeps the keyboard.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    move(272, 176);
    Cadre = new WindowFrame(*this);
    Cadre->OnChange = [this] { Guard([this] { CadreChange(); }); };
    PB->Color = clBlack;
    PB->OnPaint = [this] { PBPaint(); };
    PB->OnClick = [this] { PBClick(); };
}

TEnviron::~TEnviron() = default;

void TEnviron::showEvent(QShowEvent* event) {
    TForm::showEvent(event);
    if (!event->spontaneous()) {
        Guard([this] { FormShow(); });
    }
}

void TEnviron::FormShow() {
    if (!ChargeImage()) {
        return;
    }
    PlaceAcoteDuPrincipal();
    PB->Repaint();
}

// Placed with an estimate of the frame at its first showing: placed again with the true one.
void TEnviron::CadreChange() {
    if (Visible() && ImageVue && !ImageVue->Empty()) {
        PlaceAcoteDuPrincipal();
    }
}

bool TEnviron::ChargeImage() {
    if (FichierImage.size() <= 3) {
        return false;
    }
    if (!ChargeImageParExtension(FichierImage, ImageVue)) {
        return false;
    }
    ImageVue->Dormant();
    ImageVue->FreeImage();
    return true;
}

// Beside the main window, as wide as the rest of the work area (less 8 pixels) but no wider
// than the room on its side, with the photograph's proportions, and never taller than the work
// area. A background fills three quarters of the work area, which leaves about a quarter
// beside it; when the main window leaves less than a sixth (maximised, say), the viewer takes
// a third of the work area's width in the corner where it covers the fewest cells.
void TEnviron::PlaceAcoteDuPrincipal() {
    const TRect zone = WorkArea();
    const QRect principal = SDIAppForm->frameGeometry();
    const QMargins cadre = Cadre->Margins();
    const int bords = cadre.left() + cadre.right();
    const int aDroite = zone.Right - (principal.left() + principal.width()) - bords;
    const int aGauche = principal.left() - zone.Left - bords;
    int largeur = std::min(zone.Width() - principal.width() - 8, std::max(aDroite, aGauche));
    const bool aCote = largeur >= zone.Width() / 6;
    if (!aCote) {
        largeur = zone.Width() / 3;
    }

    // The width resize would give, bounded as it bounds it: resizing to find it out would lay
    // out and refill the window at that width each time, when the height then narrows it.
    largeur = qBound(minimumWidth(), largeur, maximumWidth());
    int hauteur = MulDiv(ImageVue->Height(), largeur, ImageVue->Width());
    const int hauteurMaximale = zone.Height() - cadre.top() - cadre.bottom();
    if (hauteur > hauteurMaximale) {
        hauteur = hauteurMaximale;
        largeur = MulDiv(ImageVue->Width(), hauteur, ImageVue->Height());
    }
    resize(largeur, hauteur);

    const QSize exterieur = size().grownBy(cadre);
    if (!aCote) {
        move(CoinLibre(exterieur, zone));
        return;
    }
    const int gauche = aDroite >= aGauche ? principal.left() + principal.width()
                                          : principal.left() - exterieur.width();
    move(KeptInside(QRect(QPoint(gauche, principal.top()), exterieur), zone));
}

void TEnviron::PBPaint() {
    TCanvas& canvas = PB->Canvas();
    canvas.CopyMode = TCopyMode::SRCCOPY;
    const TRect client = Rect(0, 0, PB->Width(), PB->Height());
    if (!ImageVue || ImageVue->Empty()) {
        canvas.Brush.Color = clBlack;
        canvas.Brush.Style = TBrushStyle::bsSolid;
        canvas.FillRect(client);
        return;
    }
    canvas.CopyRect(client, ImageVue->Canvas(), Rect(0, 0, ImageVue->Width(), ImageVue->Height()));
}

void TEnviron::PBClick() {
    if (SDIAppForm->Bruitage) {
        sndPlaySoundA(FichierSon, SND_SYNC);
    }
}
