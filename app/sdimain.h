// SPDX-License-Identifier: MIT
// The main window: owns the settings, the board, the background and the bird. Its game
// members are defined by concern in game/ (board.cpp, scene.cpp, play.cpp, bird.cpp).
#pragma once

#include "app/platform/Bitmap.h"
#include "app/platform/Keys.h"
#include "app/platform/PaintBox.h"
#include "app/platform/Rect.h"
#include "game/Catalogue.h"
#include "game/Grille.h"
#include "game/Reduction.h"

#include <QMainWindow>
#include <QPoint>
#include <array>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QFileDialog;
class QPushButton;
class QTimer;
class QToolBar;
namespace Ui {
class SDIAppForm;
}

class TBltBitmap;
class WindowFrame;

class TSDIAppForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TSDIAppForm(QWidget* parent = nullptr);
    ~TSDIAppForm() override;

    // Components of the layout.
    TPaintBox* PB = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QPushButton* Savane = nullptr;
    QPushButton* Polaire = nullptr;
    QPushButton* Ferme = nullptr;
    QTimer* Timer1 = nullptr;
    // The file dialogs, made at their first use: building them would take a good part of the
    // start-up, and a game seldom needs them.
    QFileDialog& OpenDialog();
    QFileDialog& SaveDialog();

    // Client area: everything below the menu bar, the toolbar included.
    int ClientWidth() const;
    int ClientHeight() const;
    // Also fixes the paint box's surface to the client area below the toolbar.
    void SetClientSize(int width, int height);
    // The client size of a new scene: the window's own, unless the user has maximised or
    // resized the window since the game last sized it; then the window keeps its size and
    // shows the scene scaled.
    void DonneTailleScene(int width, int height);
    int HauteurBarreOutils() const; // height of ToolBar1
    // The client size the game last gave the window, which the scene is drawn at: a window
    // resized or maximised since shows that scene stretched.
    int LargeurScene() const;
    int HauteurScene() const;
    // The client size of a background of largeur x hauteur: reduced so that the window fits
    // the work area, with the window manager's frame.
    TailleImage TailleAffichee(int largeur, int hauteur) const;
    WindowFrame* Cadre = nullptr; // the window manager's frame, owned by the window

    // Settings: read at construction, written on close; their keys and defaults are the rows
    // of kParametres (app/Parametres.h).
    static constexpr int kMaxAnimParDefaut = 5;
    int TypeJeu{};
    std::array<int, kNbEnvironnements> MaxAnim{};
    bool DessCases{};
    bool DessEnviron{};
    int ChoixImage{};
    bool Bruitage{};
    bool DitNom{}; // the animal's name is said after its cry (with Bruitage)
    std::string FichierParametres() const; // the settings file that closing writes
    void LitParametres();
    void EcritParametres();

    // Board and new game.
    std::array<int, kNbEnvironnements> NbAnimaux = kNbAnimaux;
    TGrille Grille;
    int LigneSel = -1;
    int ColonneSel = -1;
    int LigneImage = 0;
    int ColonneImage = 0;
    std::unique_ptr<TBitmap> Fond;
    int LargeurCase = 0;
    int HauteurCase = 0;
    FILE* Espion = nullptr; // the trace "espion.log"; null when it could not be created
    void NouveauJeu();
    void InitGrille();
    bool ChargeFond(const std::string& nomFichier);
    // The background last loaded and its own size, before any reduction.
    std::string FichierFond;
    int LargeurFondLu = 0;
    int HauteurFondLu = 0;

    // Scene drawing and the resting bird.
    bool EnVol = false;
    int XOiseau = 0;
    int YOiseau = 0;
    int LargeurOiseau = 0;
    int HauteurOiseau = 0;
    void PBPaint();
    void DessineScene(int largeur, int hauteur, TCanvas& canvas);
    void CopieFond(TBitmap& cible);
    void DessineGrille(TBitmap& cible);
    // Draws picture at (gauche, haut), pure black transparent; alters picture (black to white).
    void DessineTransparent(TBitmap& image, int largeur, int hauteur, int gauche, int haut,
                            bool dansFond);
    void DessineOiseau(int x, int y);
    void EffaceOiseau();
    // Puts back, on the screen, the grid lines that cross zone, as the paint draws them.
    void RetraceGrille(const TRect& zone);

    // Play.
    void PBMouseDown(TMouseButton bouton, TShiftState shift, int X, int Y);
    void PBMouseUp(TMouseButton bouton, TShiftState shift, int X, int Y);
    void PBMouseMove(TShiftState shift, int X, int Y);
    // The arrows and Tab move the bird from cell to cell as the mouse would; Space and Return
    // press and release where it sits.
    void PBKeyDown(WORD& Key, TShiftState Shift);
    void Timer1Timer();
    void CacheCase(int ligne, int colonne);
    void MontrePhoto(int ligne, int colonne);
    void JoueCri(int ligne, int colonne);
    // Every sound of the game asks here whether it is heard: only with Bruitage on.
    void JoueSon(const std::string& fichier, unsigned attente);
    // An animal's cry, then its spoken name, both as the family may have recorded them; attente
    // is the cry's: SND_ASYNC for a reveal, SND_SYNC for a press on the photograph.
    void JoueCriEtNom(const std::string& cri, const std::string& nom, unsigned attente);
    // Queues the spoken name nom after the sound playing, when DitNom is on; nothing when empty.
    void DitNomAnimal(const std::string& nom);

    // Bird flight. The frames' point that flies over the pointer: the middle of their width,
    // 25 rows down (a row above the middle of their height).
    static constexpr QPoint kPointeurDansVol{kLargeurVol / 2, 25};
    void AnimeOiseau(int x, int y);
    void Attente(int millisecondes, bool sansMessages);
    // True once the bird's pictures could not be read in this game: the board then shows the
    // system pointer, and play goes on without the bird.
    bool OiseauIlisible = false;
    // The bird over the board (true), or the system pointer instead (false).
    void ChoisitPointeur(bool oiseau);
    // Runs a drawing of the bird unless its pictures failed in this game; the first failure
    // switches to the system pointer and is passed on, so that it is reported once.
    void AvecOiseau(const std::function<void()>& dessin);
    // The resting bird centred on (X, Y), on the screen only.
    void PoseOiseau(int X, int Y);
    // The resting bird moved to the pointer when it is over the board and no flight is on.
    void OiseauAuPointeur();
    // The same, through AvecOiseau.
    void RemetOiseau();
    void PBMouseEnter();
    void PBMouseLeave();

    // Commands and closing.
    void FormShow();
    // The window is active again (at start, or once a dialog or another program has closed):
    // the bird goes where the pointer is.
    void FormActivate();
    // The window manager has framed the window, or changed its frame.
    void CadreChange();
    void SavaneClick();
    void PolaireClick();
    void FermeClick();
    void mOptionsClick();
    void FileNew1Execute();
    void FileOpen1Execute();
    void FileSave1Execute();
    void FileExit1Execute();
    void HelpAbout1Execute();
    void FormClose();
    // New game, then the surface repainted and pending messages processed.
    void LanceNouveauJeu();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PrepareComposants();
    void PrepareGlyphes();
    void ConnecteEvenements();
    QFileDialog* CreeDialogueFichier(bool enregistrement);
    int HauteurMenu(int largeur) const;
    void FermeEspion();
    bool Agrandie() const;   // maximised or full screen
    bool EtatNormal() const; // neither maximised, full screen nor minimised
    // The window has the size the game last gave it, give or take a window manager's rounding.
    bool TailleDonnee() const;
    // Of the board drawn at largeur x hauteur.
    void FixeTailleMinimale(int largeur, int hauteur);
    void NoteGeometrieNormale();
    void GeometrieChangee(const QEvent& event);
    void RemetGeometrieNormale();

    std::unique_ptr<Ui::SDIAppForm> ui;
    QFileDialog* openDialog_ = nullptr;
    QFileDialog* saveDialog_ = nullptr;
    // Restored from maximised, until the window manager has placed the window again.
    bool restauree_ = false;
    bool agrandie_ = false;          // maximised or full screen when last not minimised
    QTimer* restauration_ = nullptr; // runs RemetGeometrieNormale once restored
    QTimer* geometrie_ = nullptr;    // runs NoteGeometrieNormale once a geometry has stood
    QSize tailleDonnee_;             // the size the game last gave the window
    bool tailleEstimee_ = true;      // until sized for the frame the window manager drew
    QRect normale_; // the window's geometry when last neither maximised nor full screen
};

// Windows of the program, created at start-up in this order and living until it ends.
class TAboutBox;
class TMessConf;
class TBravo;
class TOptions;
class TEnviron;
extern TSDIAppForm* SDIAppForm;
extern TAboutBox* AboutBox;
extern TMessConf* MessConf;
extern TBravo* Bravo;
extern TOptions* Options;
extern TEnviron* Environ;

// The cell under the pointer at the previous mouse move; -1, -1 before the first.
extern int LigneSouris;
extern int ColonneSouris;
