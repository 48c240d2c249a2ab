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

#include <QMouseEvent>
#include <QShowEvent>
#include <QTimer>
#include <algorithm>
#include <optional>
#include <utility>

namespace {

// The longer side of the smallest photograph worth showing beside the main window or the board:
// a 147-pixel strip still shows a 147 x 110 photograph well.
constexpr int kCoteLisible = 128;

// As large as the room allows, but never above 1.25 times its own size: beyond, it only blurs.
QSize Montree(const QSize& photo, const QSize& room) {
    return Fitted(photo, room.boundedTo(QSize(photo.width() * 5 / 4, photo.height() * 5 / 4)));
}

// A photograph that small is still seen, or it is already as large as it may be.
bool Lisible(const QSize& montree, const QSize& photo) {
    const int plafond = std::max(photo.width(), photo.height()) * 5 / 4;
    return std::max(montree.width(), montree.height()) >= std::min(kCoteLisible, plafond);
}

// Beside the main window, as wide as the rest of the work area (less 8 pixels) but no wider
// than the room on its side, never taller than the work area; none when the photograph would
// be too small to see there.
std::optional<QRect> ACote(const QSize& photo, const QMargins& cadre, const AlentoursVue& a) {
    const QRect& principal = a.principal;
    const int bords = cadre.left() + cadre.right();
    const int aDroite = a.zone.Right - (principal.left() + principal.width()) - bords;
    const int aGauche = principal.left() - a.zone.Left - bords;
    const int largeur =
        std::min(a.zone.Width() - principal.width() - 8, std::max(aDroite, aGauche));
    const int hauteur = a.zone.Height() - cadre.top() - cadre.bottom();
    if (largeur <= 0 || hauteur <= 0) {
        return std::nullopt;
    }
    const QSize montree = Montree(photo, QSize(largeur, hauteur));
    if (!Lisible(montree, photo)) {
        return std::nullopt;
    }
    const QSize exterieur = montree.grownBy(cadre);
    const int gauche = aDroite >= aGauche ? principal.left() + principal.width()
                                          : principal.left() - exterieur.width();
    return QRect(KeptInside(QRect(QPoint(gauche, principal.top()), exterieur), a.zone), exterieur);
}

// Over the part of the main window's box that the board leaves free, on its right or below it,
// against the board; none when the photograph would be too small to see there.
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
        const QSize montree = Montree(photo, client);
        const QRect place(bande.topLeft(), montree.grownBy(cadre));
        if (Lisible(montree, photo) && (!meilleure || place.width() > meilleure->width())) {
            meilleure = place;
        }
    }
    return meilleure;
}

// Where a corner of the board is: on the grid's right or left, at its top or bottom.
struct Coin {
    bool droite;
    bool haut;
};

// A viewer of that outer size in that corner of the grid.
QRect DansLeCoin(const QSize& exterieur, Coin coin, const AlentoursVue& a) {
    const QRect& p = a.grille;
    const QPoint place(coin.droite ? p.right() + 1 - exterieur.width() : p.left(),
                       coin.haut ? p.top() : p.bottom() + 1 - exterieur.height());
    return QRect(KeptInside(QRect(place, exterieur), a.zone), exterieur);
}

// The largest viewer a corner holds within room without covering cell: room narrowed to end
// before the cell's column, or lowered to end before its row, whichever shows more; none when
// neither leaves a photograph worth showing.
std::optional<QSize> ACoteDe(const QRect& cellule, Coin coin, const QSize& photo,
                             const QMargins& cadre, const QSize& room, const AlentoursVue& a) {
    const QRect& p = a.grille;
    const int large = coin.droite ? p.right() - cellule.right() : cellule.left() - p.left();
    const int haut = coin.haut ? cellule.top() - p.top() : p.bottom() - cellule.bottom();
    std::optional<QSize> meilleure;
    for (const QSize libre : {QSize(std::min(room.width(), large), room.height()),
                              QSize(room.width(), std::min(room.height(), haut))}) {
        const QSize client = libre.shrunkBy(cadre);
        if (client.isEmpty()) {
            continue;
        }
        const QSize montree = Montree(photo, client);
        if (Lisible(montree, photo) && (!meilleure || montree.width() > meilleure->width())) {
            meilleure = montree;
        }
    }
    if (!meilleure) {
        return std::nullopt;
    }
    return meilleure->grownBy(cadre);
}

// At most a quarter of the board, in a corner of the board: the corner it stood in while it
// covers neither the cell just revealed nor the one pointed at, so that it does not hop from
// reveal to reveal; else the one where it covers the fewest cells not found, the cell just
// revealed weighing more than every other, the one pointed at (a press there reaches the board
// anyway) more than the rest; among equals the top right one, where the viewer usually stands.
// When every corner covers the cell just revealed, the viewer is made smaller to leave it free.
QRect DansUnCoin(const QSize& photo, const QMargins& cadre, const AlentoursVue& a) {
    // Half the cells each way, less a pixel for the rounding of the scale: what the board has
    // beyond its cells must not bring a sliver of the next row under it.
    const QSize quart(a.grille.width() / 2, a.grille.height() / 2 - 1);
    const QSize exterieur = Montree(photo, quart.shrunkBy(cadre)).grownBy(cadre);
    constexpr Coin kCoins[] = {{true, true}, {false, true}, {true, false}, {false, false}};
    const std::size_t lourd = a.cases.size() + 1;
    auto poids = [&](const QRect& place) {
        std::size_t total = place.intersects(a.revelee) ? 2 * lourd : 0;
        total += place.intersects(a.pointee) ? lourd : 0;
        for (const QRect& cellule : a.cases) {
            total += place.intersects(cellule) ? 1 : 0;
        }
        return total;
    };
    auto meilleur = [&](auto&& taille) {
        QRect choisi;
        std::size_t moindre = SIZE_MAX;
        for (const Coin coin : kCoins) {
            const QRect place = DansLeCoin(taille(coin), coin, a);
            const bool libre = !place.intersects(a.revelee) && !place.intersects(a.pointee);
            if (place == a.precedente && libre) {
                return place;
            }
            if (poids(place) < moindre) {
                choisi = place;
                moindre = poids(place);
            }
        }
        return choisi;
    };
    const QRect choisi = meilleur([&](Coin) { return exterieur; });
    if (!choisi.intersects(a.revelee)) {
        return choisi;
    }
    return meilleur([&](Coin coin) {
        return ACoteDe(a.revelee, coin, photo, cadre, quart, a).value_or(exterieur);
    });
}

// A part of the main window's board as the screen shows it.
QRect SurLEcran(const QRect& surface) {
    const TPaintBox& boite = *SDIAppForm->PB;
    return boite.WidgetRect(surface).translated(boite.mapToGlobal(QPoint(0, 0)));
}

QRect CelluleALEcran(int ligne, int colonne) {
    const TSDIAppForm& f = *SDIAppForm;
    return SurLEcran(
        QRect(colonne * f.LargeurCase, ligne * f.HauteurCase, f.LargeurCase, f.HauteurCase));
}

// The main window's board as the screen shows it.
AlentoursVue Alentours() {
    const TSDIAppForm& principal = *SDIAppForm;
    const TPaintBox& boite = *principal.PB;
    AlentoursVue alentours{WorkArea(),
                           principal.frameGeometry(),
                           boite.rect().translated(boite.mapToGlobal(QPoint(0, 0))),
                           SurLEcran(QRect(0, 0, boite.Width(), boite.Height())),
                           SurLEcran(QRect(0, 0, NbColonnes * principal.LargeurCase,
                                           NbLignes * principal.HauteurCase)),
                           {},
                           {}};
    for (int ligne = 0; ligne < NbLignes; ++ligne) {
        for (int colonne = 0; colonne < NbColonnes; ++colonne) {
            const QRect place = CelluleALEcran(ligne, colonne);
            if (ResteATrouver(principal.Grille[ligne][colonne])) {
                alentours.cases.push_back(place);
            }
            if (ligne == principal.LigneSel && colonne == principal.ColonneSel) {
                alentours.revelee = place;
            }
        }
    }
    return alentours;
}

// The cell not found of the main window's board under a point of the screen.
std::optional<QRect> CaseSous(const QPoint& ecran) {
    for (const QRect& cellule : Alentours().cases) {
        if (cellule.contains(ecran)) {
            return cellule;
        }
    }
    return std::nullopt;
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
    PB->OnMouseEnter = [this] { PBMouseEnter(); };
    PB->OnMouseMove = [this](TShiftState shift, int X, int Y) { PBMouseMove(shift, X, Y); };
    PB->OnMouseDown = [this](TMouseButton bouton, TShiftState shift, int X, int Y) {
        PBMouseDown(bouton, shift, X, Y);
    };
    PB->OnMouseUp = [this](TMouseButton bouton, TShiftState shift, int X, int Y) {
        PBMouseUp(bouton, shift, X, Y);
    };
    // A press that went to the board is no click on the photograph.
    PB->OnClick = [this] {
        if (!Transmise) {
            PBClick();
        }
    };
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
    Place();
    PB->Repaint();
}

// Placed with an estimate of the frame at its first showing: placed again with the true one.
void TEnviron::CadreChange() {
    PrincipalChange();
}

void TEnviron::PrincipalChange() {
    if (Visible() && PhotoChargee()) {
        Place();
    }
}

bool TEnviron::PhotoChargee() const {
    return ImageVue && !ImageVue->Empty();
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

void TEnviron::Place(const QRect& pointee) {
    const QMargins cadre = Cadre->Margins();
    AlentoursVue alentours = Alentours();
    alentours.pointee = pointee;
    alentours.precedente = DernierePlace;
    DernierePlace = PlaceVue(QSize(ImageVue->Width(), ImageVue->Height()), cadre, alentours);
    // The client's rectangle: before the window system has framed the window, a move would put
    // its client where the frame was meant to be, the title bar above the work area.
    setGeometry(DernierePlace.marginsRemoved(cadre));
}

QPoint TEnviron::SurLePlateau() const {
    const TPaintBox& plateau = *SDIAppForm->PB;
    return plateau.SurfacePoint(plateau.mapFromGlobal(QPointF(PB->ScreenPointer())));
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
    SDIAppForm->JoueCriEtNom(FichierSon, FichierNom, SND_SYNC);
}

void TEnviron::PBMouseEnter() {
    Ecarte(PB->ScreenPointer());
}

void TEnviron::PBMouseMove(TShiftState, int, int) {
    Ecarte(PB->ScreenPointer());
}

void TEnviron::OiseauSur(int ligne, int colonne) {
    if (!Visible() || !PhotoChargee() || !ResteATrouver(SDIAppForm->Grille[ligne][colonne])) {
        return;
    }
    const QRect cellule = CelluleALEcran(ligne, colonne);
    if (frameGeometry().intersects(cellule)) {
        Place(cellule);
    }
}

void TEnviron::Ecarte(const QPoint& ecran) {
    if (!PhotoChargee()) {
        return;
    }
    if (const std::optional<QRect> cellule = CaseSous(ecran)) {
        Place(*cellule);
    }
}

void TEnviron::PBMouseDown(TMouseButton bouton, TShiftState shift, int, int) {
    Transmise = CaseSous(PB->ScreenPointer()).has_value();
    if (Transmise) {
        const QPoint point = SurLePlateau();
        SDIAppForm->PBMouseDown(bouton, shift, point.x(), point.y());
    }
}

void TEnviron::PBMouseUp(TMouseButton bouton, TShiftState shift, int, int) {
    if (std::exchange(Transmise, false)) {
        const QPoint point = SurLePlateau();
        SDIAppForm->PBMouseUp(bouton, shift, point.x(), point.y());
    }
}
