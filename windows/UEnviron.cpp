// SPDX-License-Identifier: MIT
#include "windows/UEnviron.h"

#include "FonctGen/FonctGen.h"
#include "app/platform/Guard.h"
#include "app/platform/PaintBox.h"
#include "app/platform/Screen.h"
#include "app/platform/Sound.h"
#include "app/sdimain.h"
#include "ui_UEnviron.h"

#include <QShowEvent>
#include <algorithm>

TEnviron::TEnviron(QWidget* parent) : TForm(parent), ui(std::make_unique<Ui::Environ>()) {
    ui->setupUi(this);
    PB = ui->PB;
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    move(272, 176);
    PB->Color = clBlack;
    PB->OnPaint = [this] { PBPaint(); };
    PB->OnClick = [this] { PBClick(); };
}

TEnviron::~TEnviron() = default;

void TEnviron::showEvent(QShowEvent* event) {
    TForm::showEvent(event);
    if (!event->spontaneous())
        Guard([this] { FormShow(); });
}

void TEnviron::FormShow() {
    if (!ChargeImage())
        return;
    PlaceAcoteDuPrincipal();
    PB->Repaint();
}

bool TEnviron::ChargeImage() {
    if (FichierImage.size() <= 3)
        return false;
    if (!ChargeImageParExtension(FichierImage, ImageVue))
        return false;
    ImageVue->Dormant();
    ImageVue->FreeImage();
    return true;
}

// Against the main window's right edge, as wide as the rest of the work area, with the
// photograph's proportions. A background fills three quarters of the work area, which leaves
// about a quarter beside it; when the main window leaves much less than that (a sixth), the
// viewer takes a third of the work area's width instead and stays on the screen.
void TEnviron::PlaceAcoteDuPrincipal() {
    const TRect zone = WorkArea();
    const QRect principal = SDIAppForm->frameGeometry();
    const QMargins cadre(geometry().left() - frameGeometry().left(),
                         geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(),
                         frameGeometry().bottom() - geometry().bottom());
    int largeur = zone.Width() - principal.width() - 8;
    const bool place = largeur >= zone.Width() / 6;
    if (!place)
        largeur = zone.Width() / 3;

    resize(largeur, height());
    largeur = width();
    int hauteur = MulDiv(ImageVue->Height(), largeur, ImageVue->Width());
    const int hauteurMaximale = zone.Height() - cadre.top() - cadre.bottom();
    if (!place && hauteur > hauteurMaximale) {
        hauteur = hauteurMaximale;
        largeur = MulDiv(ImageVue->Width(), hauteur, ImageVue->Height());
    }
    resize(largeur, hauteur);

    if (place) {
        move(principal.left() + principal.width(), principal.top());
        return;
    }
    const int largeurExterieure = width() + cadre.left() + cadre.right();
    const int hauteurExterieure = height() + cadre.top() + cadre.bottom();
    move(
        std::max(zone.Left, zone.Right - largeurExterieure),
        std::clamp(principal.top(), zone.Top, std::max(zone.Top, zone.Bottom - hauteurExterieure)));
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
    if (SDIAppForm->Bruitage)
        sndPlaySoundA(FichierSon, SND_SYNC);
}
