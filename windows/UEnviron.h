// SPDX-License-Identifier: MIT
// The environment viewer: an animal's photograph beside the main window; a click on it plays
// the animal's cry and name again. The caller sets FichierImage, FichierSon and FichierNom, then
// shows it.
#pragma once

#include "app/platform/Bitmap.h"
#include "app/platform/Form.h"
#include "app/platform/PaintBox.h"

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <memory>
#include <string>
#include <vector>

class QShowEvent;
class QTimer;
class WindowFrame;
namespace Ui {
class Environ;
}

// What the viewer's place depends on, in screen coordinates.
struct AlentoursVue {
    TRect zone;               // the work area
    QRect principal;          // the main window's frame
    QRect boite;              // the main window's paint box
    QRect plateau;            // the part of the box that shows the board
    QRect grille;             // the part of the board its cells cover, whole rows and columns
    std::vector<QRect> cases; // the board's cells not found yet
    QRect revelee;            // the cell just revealed; empty when none
    QRect pointee{};          // the cell not found under the pointer, to uncover; empty when none
    QRect precedente{};       // the viewer's frame as last placed; empty when never placed
};

// The viewer's frame for a photograph of that size, the viewer's frame having those margins,
// never larger than the photograph at 1.25 times its size. Beside the main window when the work
// area leaves room there for a small photograph; else over the box's free strip beside the
// board; else, at most a quarter of the board, in a corner of the board: the one it stood in
// while it covers neither the cell just revealed nor the one pointed at, otherwise the one
// where it covers the fewest cells not found, never those two.
QRect PlaceVue(const QSize& photo, const QMargins& cadre, const AlentoursVue& alentours);

class TEnviron : public TForm {
    Q_OBJECT
public:
    explicit TEnviron(QWidget* parent = nullptr);
    ~TEnviron() override;

    TPaintBox* PB = nullptr;
    std::unique_ptr<TBitmap> ImageVue; // the picture shown; absent until the first load
    std::string FichierImage;          // ".bmp", ".jpg" or ".jpeg", in any case
    std::string FichierSon;
    std::string FichierNom; // the animal's spoken name, said after FichierSon

    // Hidden to shown: loads FichierImage, then sizes and places the window beside the main one.
    void FormShow();
    bool ChargeImage();
    void PBPaint();
    void PBClick();
    // Over a cell not found, the photograph gives way: a move there (the mouse's or a finger's)
    // takes it elsewhere, and a press there (the pointer quicker than the window) goes to the
    // board.
    void PBMouseEnter();
    void PBMouseMove(TShiftState shift, int X, int Y);
    void PBMouseDown(TMouseButton bouton, TShiftState shift, int X, int Y);
    void PBMouseUp(TMouseButton bouton, TShiftState shift, int X, int Y);
    // The window manager has framed the window, or changed its frame.
    void CadreChange();
    // The bird flown without the pointer (the keyboard) to a cell of the board: as the
    // pointer, it sends the photograph off that cell when the cell is still to be found.
    void OiseauSur(int ligne, int colonne);
    // The main window has moved, or its board has changed size (resized, maximised, restored,
    // a new game).
    void PrincipalChange();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool PhotoChargee() const;
    void Place(const QRect& pointee = {});
    // Out of the way of the cell not found under that point of the screen, if any.
    void Ecarte(const QPoint& ecran);
    // The main window's box pixel under the pointer.
    QPoint SurLePlateau() const;

    QRect DernierePlace;    // the frame PlaceVue last gave
    bool Transmise = false; // the press under way went to the board

    WindowFrame* Cadre = nullptr;  // owned by the window
    QTimer* Replacement = nullptr; // owned by the window: one placing for a burst of changes
    std::unique_ptr<Ui::Environ> ui;
};
