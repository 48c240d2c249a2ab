// SPDX-License-Identifier: MIT
#include "windows/Gagne.h"

#include "app/platform/Form.h"
#include "app/platform/Guard.h"
#include "app/platform/Keys.h"
#include "ui_Gagne.h"

#include <QBitmap>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QPixmap>

namespace {

const QColor kBleuCiel(166, 202, 240);

// How long after its showing the window is deaf to its buttons and keys.
constexpr qint64 kSourdine = 1000;

// The glyph's background, the colour of its lower-left pixel, is made transparent.
QIcon GlypheTransparent(const QString& ressource) {
    const QImage image(ressource);
    QPixmap glyphe = QPixmap::fromImage(image);
    glyphe.setMask(glyphe.createMaskFromColor(image.pixelColor(0, image.height() - 1)));
    return QIcon(glyphe);
}

// The congratulation's face when installed, otherwise the nearest heavy, wide sans serif.
QFont PoliceGagne() {
    QFont police;
    police.setFamilies({"Swis721 BlkEx BT", "DejaVu Sans", "Verdana"});
    police.setStyleHint(QFont::SansSerif);
    police.setPixelSize(64);
    police.setItalic(true);
    police.setWeight(QFont::Black);
    police.setStretch(QFont::Expanded);
    return police;
}

} // namespace

TBravo::TBravo(QWidget* parent) : TForm(parent), ui(std::make_unique<Ui::Bravo>()) {
    // Resources compiled into a static library are registered only when asked for.
    Q_INIT_RESOURCE(Gagne);
    ui->setupUi(this);
    bJeu = ui->bJeu;
    bSortie = ui->bSortie;
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(size());
    move(375, 185);

    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBleuCiel);
    palette.setColor(QPalette::Button, kBleuCiel);
    setPalette(palette);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);

    ui->Label1->setFont(PoliceGagne());
    bJeu->setIcon(GlypheTransparent(":/Gagne/Rejouer.bmp"));
    bSortie->setIcon(GlypheTransparent(":/Gagne/Sortie.bmp"));

    connect(bJeu, &QToolButton::clicked, this, Guarded(this, &TBravo::bJeuClick));
    connect(bSortie, &QToolButton::clicked, this, Guarded(this, &TBravo::bSortieClick));
    OnKeyDown = [this](WORD& Key, TShiftState Shift) { FormKeyDown(Key, Shift); };
    KeyRepeats.Once = {VK_RETURN, VK_SPACE, VK_ESCAPE};
    bJeu->installEventFilter(this);
    bSortie->installEventFilter(this);
}

TBravo::~TBravo() = default;

void TBravo::bJeuClick() {
    SetModalResult(mrYes);
}

void TBravo::bSortieClick() {
    SetModalResult(mrNo);
}

void TBravo::showEvent(QShowEvent* event) {
    montree_.start();
    TForm::showEvent(event);
}

bool TBravo::TropTot() const {
    return montree_.isValid() && !montree_.hasExpired(kSourdine);
}

// A press refused leaves the button up, so that its release clicks nothing either.
bool TBravo::eventFilter(QObject* watched, QEvent* event) {
    const bool appui =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    return (appui && TropTot()) || TForm::eventFilter(watched, event);
}

void TBravo::FormKeyDown(WORD& Key, TShiftState) {
    if (Key != VK_RETURN && Key != VK_SPACE && Key != VK_ESCAPE) {
        return;
    }
    if (!TropTot()) {
        if (Key == VK_ESCAPE) {
            reject();
        } else {
            bJeuClick();
        }
    }
    Key = 0;
}
