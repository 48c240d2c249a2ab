// SPDX-License-Identifier: MIT
#include "app/sdimain.h"

#include "app/Emplacements.h"
#include "app/ImageList.h"
#include "app/platform/Dialogs.h"
#include "app/platform/Files.h"
#include "app/platform/Frame.h"
#include "app/platform/Guard.h"
#include "app/platform/Screen.h"
#include "app/platform/Sound.h"
#include "game/Catalogue.h"
#include "ui_sdimain.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QLayout>
#include <QMenuBar>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QShowEvent>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

namespace {

// A close box, a system menu and a maximise box (the board stretches with the window), but no
// minimise box. Without the maximise box some window managers refuse to maximise the window,
// even when asked to open it maximised.
constexpr Qt::WindowFlags kBoutonsFenetre =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint;

// How long the window manager is given to restore a window from maximised, and to tell a
// maximised state after the maximised size.
constexpr int kAttenteRestauration = 300;
constexpr int kAttenteGeometrie = 200;

// How far a window manager may round the size it was asked for (size increments, scaling):
// within it the window still has the size the game gave it.
constexpr int kEcartTaille = 2;

QTimer* Minuterie(QObject* parent, int millisecondes) {
    auto* minuterie = new QTimer(parent);
    minuterie->setSingleShot(true);
    minuterie->setInterval(millisecondes);
    return minuterie;
}

} // namespace

TSDIAppForm::TSDIAppForm(QWidget* parent)
    : QMainWindow(parent, kBoutonsFenetre), ui(std::make_unique<Ui::SDIAppForm>()) {
    ui->setupUi(this);
    tailleDonnee_ = size(); // the design's, until a background is loaded
    PrepareComposants();
    ConnecteEvenements();
    Espion = Files::Open(CheminTrace(), "wt");
    // The frame's top-left corner, not the client area's.
    const TRect zone = WorkArea();
    move(zone.Left, zone.Top);
    PB->setCursor(crVide());
    LitParametres();
    JoueSon(kSonDebut, SND_ASYNC);
    // A background that cannot be decoded is reported; the window still opens.
    Guard([this] { NouveauJeu(); });
}

TSDIAppForm::~TSDIAppForm() {
    FermeEspion();
}

void TSDIAppForm::PrepareComposants() {
    PB = ui->PB;
    ToolBar1 = ui->ToolBar1;
    Savane = ui->Savane;
    Polaire = ui->Polaire;
    Ferme = ui->Ferme;

    Timer1 = new QTimer(this);
    Timer1->setInterval(2000);
    Timer1->setSingleShot(true);

    // The toolbar's controls keep their designed places: no margins around them.
    ToolBar1->layout()->setContentsMargins(0, 0, 0, 0);
    ui->ToolButton9->setDefaultAction(ui->FileNew1);
    ui->ToolButton1->setDefaultAction(ui->FileOpen1);
    ui->ToolButton2->setDefaultAction(ui->FileSave1);
    ui->ToolButton4->setDefaultAction(ui->EditCut1);
    ui->ToolButton5->setDefaultAction(ui->EditCopy1);
    ui->ToolButton6->setDefaultAction(ui->EditPaste1);
    PrepareGlyphes();

    // The board has the keyboard: Space must never reach a toolbar button.
    for (QWidget* bouton : ToolBar1->findChildren<QWidget*>()) {
        bouton->setFocusPolicy(Qt::NoFocus);
    }
    PB->setFocusPolicy(Qt::StrongFocus);
    PB->setFocus();

    for (QMenu* menu : {ui->File1, ui->Edit1, ui->Jeu1, ui->Help1}) {
        menu->menuAction()->setStatusTip(menu->statusTip());
    }
    ui->Edit1->menuAction()->setVisible(false);

    ui->StatusBar->addWidget(ui->Panneau1);
    ui->StatusBar->addWidget(ui->Panneau2);
    ui->StatusBar->addWidget(ui->Panneau3);

    // Shortcuts must reach their actions although the toolbar buttons are hidden.
    addActions(findChildren<QAction*>(Qt::FindDirectChildrenOnly));
}

// Each action names its picture of ImageList1 in its "glyphe" property.
void TSDIAppForm::PrepareGlyphes() {
    const std::vector<QPixmap> glyphes = ImageList1(*style());
    for (QAction* action : findChildren<QAction*>(Qt::FindDirectChildrenOnly)) {
        bool valide = false;
        const int index = action->property("glyphe").toInt(&valide);
        if (valide && index >= 0 && index < int(glyphes.size())) {
            action->setIcon(QIcon(glyphes[std::size_t(index)]));
        }
    }
}

QFileDialog& TSDIAppForm::OpenDialog() {
    if (!openDialog_) {
        openDialog_ = CreeDialogueFichier(false);
    }
    return *openDialog_;
}

QFileDialog& TSDIAppForm::SaveDialog() {
    if (!saveDialog_) {
        saveDialog_ = CreeDialogueFichier(true);
    }
    return *saveDialog_;
}

QFileDialog* TSDIAppForm::CreeDialogueFichier(bool enregistrement) {
    auto* dialogue = new QFileDialog(this, QString(), QString(), "Tous les fichiers (*.*)");
    // The toolkit's own dialog, so that it speaks French like the rest of the program.
    dialogue->setOption(QFileDialog::DontUseNativeDialog);
    ListInProgramLocale(*dialogue);
    dialogue->setAcceptMode(enregistrement ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Nothing is written to the chosen file, and no command asks for a confirmation.
    dialogue->setOption(QFileDialog::DontConfirmOverwrite);
    return dialogue;
}

void TSDIAppForm::ConnecteEvenements() {
    Cadre = new WindowFrame(*this);
    Cadre->OnChange = [this] { Guard([this] { CadreChange(); }); };
    PB->OnPaint = [this] { PBPaint(); };
    PB->OnMouseDown = [this](TMouseButton bouton, TShiftState shift, int X, int Y) {
        PBMouseDown(bouton, shift, X, Y);
    };
    PB->OnMouseUp = [this](TMouseButton bouton, TShiftState shift, int X, int Y) {
        PBMouseUp(bouton, shift, X, Y);
    };
    PB->OnMouseMove = [this](TShiftState shift, int X, int Y) { PBMouseMove(shift, X, Y); };
    PB->OnKeyDown = [this](WORD& Key, TShiftState Shift) { PBKeyDown(Key, Shift); };
    // A held Space or Return presses once, however long it is held.
    PB->KeyRepeats.Once = {VK_SPACE, VK_RETURN};
    PB->OnMouseEnter = [this] { PBMouseEnter(); };
    PB->OnMouseLeave = [this] { PBMouseLeave(); };
    connect(Timer1, &QTimer::timeout, this, Guarded(this, &TSDIAppForm::Timer1Timer));
    // One timer each, started again by every event: only the last restore, and only a geometry
    // that has stood, count.
    restauration_ = Minuterie(this, kAttenteRestauration);
    connect(restauration_, &QTimer::timeout, this,
            Guarded(this, &TSDIAppForm::RemetGeometrieNormale));
    geometrie_ = Minuterie(this, kAttenteGeometrie);
    connect(geometrie_, &QTimer::timeout, this, Guarded(this, &TSDIAppForm::NoteGeometrieNormale));

    connect(Savane, &QPushButton::clicked, this, Guarded(this, &TSDIAppForm::SavaneClick));
    connect(Polaire, &QPushButton::clicked, this, Guarded(this, &TSDIAppForm::PolaireClick));
    connect(Ferme, &QPushButton::clicked, this, Guarded(this, &TSDIAppForm::FermeClick));
    connect(ui->mOptions, &QAction::triggered, this, Guarded(this, &TSDIAppForm::mOptionsClick));
    connect(ui->FileNew1, &QAction::triggered, this, Guarded(this, &TSDIAppForm::FileNew1Execute));
    connect(ui->FileOpen1, &QAction::triggered, this,
            Guarded(this, &TSDIAppForm::FileOpen1Execute));
    connect(ui->FileSave1, &QAction::triggered, this,
            Guarded(this, &TSDIAppForm::FileSave1Execute));
    connect(ui->FileSaveAs1, &QAction::triggered, this,
            Guarded(this, &TSDIAppForm::FileSave1Execute));
    connect(ui->FileExit1, &QAction::triggered, this,
            Guarded(this, &TSDIAppForm::FileExit1Execute));
    connect(ui->HelpAbout1, &QAction::triggered, this,
            Guarded(this, &TSDIAppForm::HelpAbout1Execute));
}

// Mirrors how the window's layout sizes its menu bar, so that the client size can be set
// before the window is first shown.
int TSDIAppForm::HauteurMenu(int largeur) const {
    const QWidget* menu = menuWidget();
    if (!menu || menu->isHidden() || menu->isWindow()) {
        return 0;
    }
    int hauteur = menu->heightForWidth(qMax(largeur, menu->minimumWidth()));
    if (hauteur < 0) {
        hauteur = menu->sizeHint().height();
    }
    return qBound(menu->minimumSizeHint().height(), hauteur, menu->maximumHeight());
}

int TSDIAppForm::ClientWidth() const {
    return width();
}

int TSDIAppForm::ClientHeight() const {
    return height() - HauteurMenu(width());
}

void TSDIAppForm::SetClientSize(int width, int height) {
    // The former board's minimum must not hold back a smaller one.
    FixeTailleMinimale(width, height - HauteurBarreOutils());
    resize(width, height + HauteurMenu(width));
    tailleDonnee_ = size();
    normale_ = geometry();
    // What the window got: no smaller than its menu bar and toolbar allow.
    PB->SetSurfaceSize(ClientWidth(), std::max(ClientHeight() - HauteurBarreOutils(), 1), size());
}

void TSDIAppForm::DonneTailleScene(int width, int height) {
    if (!isVisible() || (!Agrandie() && TailleDonnee())) {
        SetClientSize(width, height);
        return;
    }
    FixeTailleMinimale(width, height - HauteurBarreOutils());
    PB->SetSurfaceSize(width, std::max(height - HauteurBarreOutils(), 1),
                       QSize(width, height + HauteurMenu(width)));
}

// The window can be shrunk until the board's cells are as small as a child can still aim at.
void TSDIAppForm::FixeTailleMinimale(int largeur, int hauteur) {
    const TailleImage minimale = TailleMinimale(largeur, std::max(hauteur, 1));
    PB->setMinimumSize(minimale.Largeur, minimale.Hauteur);
    layout()->activate();
}

bool TSDIAppForm::TailleDonnee() const {
    return std::abs(width() - tailleDonnee_.width()) <= kEcartTaille &&
           std::abs(height() - tailleDonnee_.height()) <= kEcartTaille;
}

int TSDIAppForm::LargeurScene() const {
    return PB->Width();
}

int TSDIAppForm::HauteurScene() const {
    return PB->Height() + HauteurBarreOutils();
}

int TSDIAppForm::HauteurBarreOutils() const {
    return ToolBar1->height();
}

TailleImage TSDIAppForm::TailleAffichee(int largeur, int hauteur) const {
    const TRect zone = WorkArea();
    const QMargins cadre = Cadre->Margins();
    return TailleFond(largeur, hauteur, zone.Width(), zone.Height(),
                      HauteurMenu(largeur) + cadre.top() + cadre.bottom());
}

// Until the window was framed, the background was sized for an estimated frame: it is sized
// again for the true one, and the frame put at the work area's corner, as long as nothing has
// been revealed (the sprites drawn into Fond would be lost) and the user has neither maximised
// nor resized it; a window being restored is placed once restored.
void TSDIAppForm::CadreChange() {
    if (Agrandie() || restauree_ || !TailleDonnee() || PartieEntamee(Grille)) {
        return;
    }
    tailleEstimee_ = false;
    const TailleImage voulue = TailleAffichee(LargeurFondLu, HauteurFondLu);
    if (!FichierFond.empty() && voulue != TailleImage{LargeurScene(), HauteurScene()} &&
        ChargeFond(FichierFond)) {
        PB->Repaint();
    }
    const TRect zone = WorkArea();
    if (frameGeometry().topLeft() != QPoint(zone.Left, zone.Top)) {
        move(zone.Left, zone.Top);
    }
}

void TSDIAppForm::FormShow() {
    PBPaint();
}

void TSDIAppForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) {
        Guard([this] { FormShow(); });
    }
}

void TSDIAppForm::FormActivate() {
    PB->FindPointer();
    RemetOiseau();
}

void TSDIAppForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        Guard([this] { FormActivate(); });
    } else if (event->type() == QEvent::WindowStateChange && !isMinimized()) {
        // Minimised and shown again, the window comes back in the state it was minimised from:
        // only leaving the maximised state for the normal one is a restore.
        if (agrandie_ && !Agrandie()) {
            restauree_ = true;
            restauration_->start();
        }
        agrandie_ = Agrandie();
    }
}

bool TSDIAppForm::Agrandie() const {
    return isMaximized() || isFullScreen();
}

// Some platforms report a maximised window minimised as minimised only: its geometry then is
// neither the normal one nor one to change.
bool TSDIAppForm::EtatNormal() const {
    return !Agrandie() && !isMinimized();
}

void TSDIAppForm::NoteGeometrieNormale() {
    if (EtatNormal() && !restauree_) {
        normale_ = geometry();
    }
}

// A window manager may tell the maximised size before the maximised state: a geometry counts
// as normal once it has stood for a moment.
void TSDIAppForm::GeometrieChangee(const QEvent& event) {
    if (event.spontaneous()) {
        geometrie_->start();
    }
}

// Once the window manager has restored the window: the geometry from before, inside the work
// area. A window manager may restore the maximised size, or a place under a panel for a window
// it never saw at its normal size (opened maximised).
void TSDIAppForm::RemetGeometrieNormale() {
    restauree_ = false;
    if (!EtatNormal() || !normale_.isValid()) {
        return;
    }
    const QMargins cadre = FrameOf(*this);
    QRect voulue = normale_;
    voulue.moveTopLeft(KeptInside(voulue.marginsAdded(cadre), WorkArea()) +
                       QPoint(cadre.left(), cadre.top()));
    if (voulue != geometry()) {
        setGeometry(voulue);
    }
    NoteGeometrieNormale();
    // Opened maximised, the window was sized for an estimated frame.
    if (tailleEstimee_) {
        CadreChange();
    }
}

void TSDIAppForm::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    GeometrieChangee(*event);
}

void TSDIAppForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    GeometrieChangee(*event);
}

// Closing is never refused.
void TSDIAppForm::closeEvent(QCloseEvent* event) {
    Guard([this] { FormClose(); });
    event->accept();
}

void TSDIAppForm::FermeEspion() {
    if (Espion) {
        std::fclose(Espion);
        Espion = nullptr;
    }
}
