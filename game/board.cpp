// SPDX-License-Identifier: MIT
// A new game: the background chosen, the board set up and traced, the background loaded and
// the window and cells sized to it.
#include "FonctGen/FonctGen.h"
#include "app/sdimain.h"
#include "game/CheminAnimal.h"
#include "game/Graine.h"

#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdlib>
#include <ctime>

namespace {

constexpr int kNbPlacesAnimaux = 12;
constexpr int kMaxPaires = NbLignes * NbColonnes / 2;

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

void Libere(GRILLE& cellule) {
    cellule.Dessin.clear();
    cellule.PhotoAnimal.clear();
    cellule.CriAnimal.clear();
    cellule.NomAnimal.clear();
    cellule.ColonneAutre = -1;
    cellule.LigneAutre = -1;
    cellule.Trouve = false;
    cellule.Dessous.reset();
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
    for (auto& ligne : Grille) {
        for (GRILLE& cellule : ligne) {
            Libere(cellule);
        }
    }

    const bool jeuConnu = EnvironnementConnu(TypeJeu);
    const int catalogue = jeuConnu ? NbAnimaux[TypeJeu] : 0;
    const int demandes = jeuConnu ? std::min(MaxAnim[TypeJeu], catalogue) : 0;
    const int nombre = std::min(demandes, kNbPlacesAnimaux);

    // Same seed as the background's within one second: the same board for the same settings.
    std::srand(static_cast<unsigned>(GraineJeu()));
    std::array<int, kNbPlacesAnimaux> animaux;
    animaux.fill(-1);
    for (int i = 0; i < nombre; ++i) {
        do {
            const int tire = std::rand() % catalogue;
            if (std::find(animaux.begin(), animaux.begin() + i, tire) == animaux.begin() + i) {
                animaux[i] = tire;
            }
        } while (animaux[i] == -1);
    }

    // At most ten pairs on twenty cells: a free cell always remains for every draw.
    const auto tireCaseLibre = [this](int& ligne, int& colonne) {
        do {
            ligne = std::rand() % NbLignes;
            colonne = std::rand() % NbColonnes;
        } while (!Grille[ligne][colonne].Dessin.empty());
    };
    const int paires = std::min(nombre, kMaxPaires);
    for (int k = 0; k < paires; ++k) {
        int ligneG = 0;
        int colonneG = 0;
        tireCaseLibre(ligneG, colonneG);
        GRILLE& caseG = Grille[ligneG][colonneG];
        caseG.Dessin = CheminAnimal(this, animaux[k], 'G');
        Trace(Espion, "Ligne : %d Colonne : %d %24s\n", ligneG, colonneG, caseG.Dessin.c_str());
        Vide(Espion);

        int ligneD = 0;
        int colonneD = 0;
        tireCaseLibre(ligneD, colonneD);
        GRILLE& caseD = Grille[ligneD][colonneD];
        caseD.Dessin = CheminAnimal(this, animaux[k], 'D');
        caseD.ColonneAutre = colonneG;
        caseD.LigneAutre = ligneG;
        caseG.ColonneAutre = colonneD;
        caseG.LigneAutre = ligneD;
        caseG.PhotoAnimal = CheminAnimal(this, animaux[k], 'I');
        caseG.CriAnimal = CheminAnimal(this, animaux[k], 'S');
        caseG.NomAnimal = CheminAnimal(this, animaux[k], 'N');
        Trace(Espion, "Ligne : %d Colonne : %d %24s  %d %d\n", ligneD, colonneD,
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
