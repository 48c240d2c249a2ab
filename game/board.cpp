// SPDX-License-Identifier: MIT
// A new game: the background chosen, the board set up and traced, the background loaded and
// the window and cells sized to it.
#include "FonctGen/FonctGen.h"
#include "app/sdimain.h"
#include "game/Graine.h"

#include <QTimer>
#include <cstdarg>
#include <cstdlib>

namespace {

// The trace may be missing (espion.log could not be created): then nothing is written.
__attribute__((format(printf, 2, 3))) void Trace(FILE* espion, const char* format, ...) {
    if (espion == nullptr) {
        return;
    }
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(espion, format, arguments);
    va_end(arguments);
}

void Vide(FILE* espion) {
    if (espion != nullptr) {
        std::fflush(espion);
    }
}

} // namespace

void TSDIAppForm::NouveauJeu() {
    if (!EnvironnementConnu(TypeJeu)) {
        MessageErreur(QStringLiteral("Ce jeu n'est pas prévu"), 0);
        return;
    }
    // A hide still pending belongs to the old board.
    Timer1->stop();
    ChoisitPointeur(true);
    std::srand(static_cast<unsigned>(GraineJeu()));
    const char* fondChoisi = kFondsJeu[TypeJeu][std::rand() % 2];
    InitGrille();
    // Whatever the load gives, no press on the new board may pair with a cell of the old one.
    LigneSel = -1;
    ColonneSel = -1;
    if (ChargeFond(fondChoisi)) {
        AvecOiseau([this] { DessineOiseau(100, 100); });
    } else {
        MessageErreur(QStringLiteral("Pas d'image"), 0);
    }
}

void TSDIAppForm::InitGrille() {
    // Same seed as the background's within one second: the same board for the same settings.
    std::srand(static_cast<unsigned>(GraineJeu()));
    const bool jeuConnu = EnvironnementConnu(TypeJeu);
    for (const auto& [g, d] : TireGrille(Grille, TypeJeu, jeuConnu ? NbAnimaux[TypeJeu] : 0,
                                         jeuConnu ? MaxAnim[TypeJeu] : 0)) {
        const GRILLE& caseG = Grille[g.Ligne][g.Colonne];
        Trace(Espion, "Ligne : %d Colonne : %d %24s\n", g.Ligne, g.Colonne, caseG.Dessin.c_str());
        Vide(Espion);
        const GRILLE& caseD = Grille[d.Ligne][d.Colonne];
        Trace(Espion, "Ligne : %d Colonne : %d %24s  %d %d\n", d.Ligne, d.Colonne,
              caseD.Dessin.c_str(), caseD.LigneAutre, caseD.ColonneAutre);
        Vide(Espion);
    }

    Trace(Espion, "Fin d'initialisation");
    for (int ligne = 0; ligne < NbLignes; ++ligne) {
        Trace(Espion, "Ligne : %d \n", ligne);
        for (int colonne = 0; colonne < NbColonnes; ++colonne) {
            const GRILLE& cellule = Grille[ligne][colonne];
            Trace(Espion, "Colonne : %d %24s  %d %d  %s\n", colonne, cellule.Dessin.c_str(),
                  cellule.LigneAutre, cellule.ColonneAutre, cellule.PhotoAnimal.c_str());
        }
    }
    Vide(Espion);
}

bool TSDIAppForm::ChargeFond(const std::string& nomFichier) {
    if (nomFichier.size() <= 3) {
        return false;
    }
    if (!ChargeImageParExtension(nomFichier, Fond)) {
        return false;
    }

    FichierFond = nomFichier;
    LargeurFondLu = Fond->Width();
    HauteurFondLu = Fond->Height();
    const TailleImage taille = TailleAffichee(LargeurFondLu, HauteurFondLu);
    if (taille != TailleImage{LargeurFondLu, HauteurFondLu}) {
        TBitmap reduit;
        reduit.SetSize(taille.Largeur, taille.Hauteur);
        reduit.Canvas().CopyMode = TCopyMode::SRCCOPY;
        reduit.Canvas().CopyRect(Rect(0, 0, taille.Largeur, taille.Hauteur), Fond->Canvas(),
                                 Rect(0, 0, LargeurFondLu, HauteurFondLu));
        Fond->Assign(reduit);
    }
    Fond->Dormant();
    Fond->FreeImage();

    DonneTailleScene(taille.Largeur, taille.Hauteur);
    LargeurCase = taille.Largeur / NbColonnes;
    HauteurCase = (taille.Hauteur - HauteurBarreOutils()) / NbLignes;
    return true;
}
