// SPDX-License-Identifier: MIT
#include "windows/UEnviron.h"

#include "FonctGen/FonctGen.h"
#include "app/platform/Frame.h"
#include "app/platform/Guard.h"
#include "app/platform/PaintBox.h"
#include "app/platform/ScaledAxis.h"
#include "app/platform/Screen.h"
#include "app/platform/Sound.h"
#include "app/sdimain.h"
#include "ui_UEnviron.h"

#include <QShowEvent>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <optional>

namespace {

// Beside the main window, as wide as the rest of the work area (less 8 pixels) but no wider
// than the room on its side, never taller than the work area; none when that leaves less than
// a sixth of the work area's width.
std::optional<QRect> ACote(const QSize& photo, const QMargins& cadre, const AlentoursVue& a) {
    const QRect& principal = a.principal;
    const int bords = cadre.left() + cadre.right();
    const int aDroite = a.zone.Right - (principal.left() + principal.width()) - bords;
    const int aGauche = principal.left() - a.zone.Left - bords;
    const int largeur =
        std::min(a.zone.Width() - principal.width() - 8, std::max(aDroite, aGauche));
    if (largeur < a.zone.Width() / 6) {
        return std::nullopt;
    }
    const int hauteur = a.zone.Height() - cadre.top() - cadre.bottom();
    const QSize exterieur = Fitted(photo, QSize(largeur, hauteur)).grownBy(cadre);
    const int gauche = aDroite >= aGauche ? principal.left() + principal.width()
                                          : principal.left() - exterieur.width();
    return QRect(KeptInside(QRect(QPoint(gauche, principal.top()), exterieur), a.zone), exterieur);
}

// Over the part of the main window's box that the board leaves free, on its right or below it,
// against the board; none when the photograph would be narrower there than a sixth of the
// work area.
std::optional<QRect> SurLaBande(const QSize& photo, const QMargins& cadre, const AlentoursVue& a) {
    const QRect zone(a.zone.Left, a.zone.Top, a.zone.Width(), a.zone.Height());
    const QRect aDroite(QPoint(a.plateau.right() + 1, a.boite.top()), a.boite.bottomRight());
    const QRect dessous(QPoint(a.boite.left(), a.plateau.bottom() + 1), a.boite.bottomRight());
    std::optional<QRect> meilleure;
    for (const QRect& bande : {aDroite & zone, dessous & zone}) {
        const QSize client = bande.size().shrunkBy(cadre);
        if (client.isEmpty()) {
            continue;
        }
        const QSize montree = Fitted(photo, client);
        const QRect place(bande.topLeft(), montree.grownBy(cadre));
        if (montree.width() >= a.zone.Width() / 6 &&
            (!meilleure || place.width() > meilleure->width())) {
            meilleure = place;
        }
    }
    return meilleure;
}

// At most a quarter of the board, in the board's corner where it covers the fewest cells not
// found and never the one just revealed; among equals the top right one, where the viewer
// usually stands.
QRect DansUnCoin(const QSize& photo, const QMargins& cadre, const AlentoursVue& a) {
    // Half the cells each way, less a pixel for the rounding of the scale: what the board has
    // beyond its cells must not bring a sliver of the next row under it.
    const QRect& p = a.grille;
    const QSize quart(p.width() / 2, p.height() / 2 - 1);
    const QSize exterieur = Fitted(photo, quart.shrunkBy(cadre)).grownBy(cadre);
    const int droite = p.right() + 1 - exterieur.width();
    const int bas = p.bottom() + 1 - exterieur.height();
    const QPoint coins[] = {{droite, p.top()}, {p.left(), p.top()}, {droite, bas}, {p.left(), bas}};
    QRect meilleur;
    std::size_t moindre = SIZE_MAX;
    for (const QPoint& coin : coins) {
        const QRect place(KeptInside(QRect(coin, exterieur), a.zone), exterieur);
        // Covering the cell just revealed weighs more than covering every other.
        std::size_t poids = place.intersects(a.revelee) ? a.cases.size() + 1 : 0;
        for (const QRect& cellule : a.cases) {
            poids += place.intersects(cellule) ? 1 : 0;
        }
        if (poids < moindre) {
            meilleur = place;
            moindre = poids;
        }
    }
    return meilleur;
}

// The main window's board as the screen shows it.
AlentoursVue Alentours() {
    const TSDIAppForm& principal = *SDIAppForm;
    const TPaintBox& boite = *principal.PB;
    const QPoint origine = boite.mapToGlobal(QPoint(0, 0));
    auto ecran = [&](const QRect& surface) {
        return boite.WidgetRect(surface).translated(origine);
    };
    AlentoursVue alentours{
        WorkArea(),
        principal.frameGeometry(),
        boite.rect().translated(origine),
        ecran(QRect(0, 0, boite.Width(), boite.Height())),
        ecran(QRect(0, 0, NbColonnes * principal.LargeurCase, NbLignes * principal.HauteurCase)),
        {},
        {}};
    for (int ligne = 0; ligne < NbLignes; ++ligne) {
        for (int colonne = 0; colonne < NbColonnes; ++colonne) {
            const GRILLE& cellule = principal.Grille[ligne][colonne];
            const QRect place =
                ecran(QRect(colonne * principal.LargeurCase, ligne * principal.HauteurCase,
                            principal.LargeurCase, principal.HauteurCase));
            if (!cellule.Dessin.empty() && !cellule.Trouve) {
                alentours.cases.push_back(place);
            }
            if (ligne == principal.LigneSel && colonne == principal.ColonneSel) {
                alentours.revelee = place;
            }
        }
    }
    return alentours;
}

} // namespace

QRect PlaceVue(const QSize& photo, const QMargins& cadre, const AlentoursVue& alentours) {
    if (const std::optional<QRect> place = ACote(photo, cadre, alentours)) {
        return *place;
    }
    if (const std::optional<QRect> place = SurLaBande(photo, cadre, alentours)) {
        return *place;
    }
    return DansUnCoin(photo, cadre, alentours);
}

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
    Replacement = new QTimer(this);
    Replacement->setSingleShot(true);
    Replacement->setInterval(0);
    connect(Replacement, &QTimer::timeout, this, [this] { Guard([this] { PrincipalChange(); }); });
    if (SDIAppForm) {
        SDIAppForm->installEventFilter(this);
        SDIAppForm->PB->installEventFilter(this);
    }
    PB->Color = clBlack;
    PB->OnPaint = [this] { PBPaint(); };
    PB->OnClick = [this] { PBClick(); };
}

TEnviron::~TEnviron() = default;

void TEnviron::showEvent(QShowEvent* event) {
    TForm::showEvent(event);
    // Kept above the main window, over which it may stand.
    if (SDIAppForm && windowHandle()) {
        windowHandle()->setTransientParent(SDIAppForm->windowHandle());
    }
    if (!event->spontaneous()) {
        Guard([this] { FormShow(); });
    }
}

void TEnviron::FormShow() {
    if (!ChargeImage()) {
        return;
    }
    Place();
    PB->Repaint();
}

// Placed with an estimate of the frame at its first showing: placed again with the true one.
void TEnviron::CadreChange() {
    PrincipalChange();
}

void TEnviron::PrincipalChange() {
    if (Visible() && ImageVue && !ImageVue->Empty()) {
        Place();
    }
}

bool TEnviron::eventFilter(QObject* watched, QEvent* event) {
    const bool deplace = watched == SDIAppForm && event->type() == QEvent::Move;
    const bool plateau = SDIAppForm && watched == SDIAppForm->PB && event->type() == QEvent::Resize;
    if (deplace || plateau) {
        Replacement->start();
    }
    return TForm::eventFilter(watched, event);
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

void TEnviron::Place() {
    const QMargins cadre = Cadre->Margins();
    const QRect place = PlaceVue(QSize(ImageVue->Width(), ImageVue->Height()), cadre, Alentours());
    resize(place.size().shrunkBy(cadre));
    move(place.topLeft());
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
        SDIAppForm->DitNomAnimal(FichierNom);
    }
}
