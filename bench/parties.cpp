// SPDX-License-Identifier: MIT
// Plays N complete games through the real press handler, pressing each pair's two cells as
// found on the board, the won window answering "play again"; then prints the peak resident
// memory. Usage: kornibelle_bench_parties N. No mouse moves: the bird does not fly.
#include "bench/Partie.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/resource.h>

namespace {

// Presses the two cells of the first pair still to be found. False when there is none, or when
// the presses did not find it (neither marked found nor won).
bool PressePaire(TSDIAppForm& fenetre, const Silence& silence) {
    for (int ligne = 0; ligne < NbLignes; ++ligne) {
        for (int colonne = 0; colonne < NbColonnes; ++colonne) {
            const GRILLE& cellule = fenetre.Grille[ligne][colonne];
            if (cellule.Dessin.empty() || cellule.Trouve) {
                continue;
            }
            const int victoires = silence.fenetresModales;
            const QPoint premiere = CentreCase(fenetre, ligne, colonne);
            const QPoint seconde = CentreCase(fenetre, cellule.LigneAutre, cellule.ColonneAutre);
            fenetre.PBMouseDown(TMouseButton::mbLeft, 0, premiere.x(), premiere.y());
            fenetre.PBMouseDown(TMouseButton::mbLeft, 0, seconde.x(), seconde.y());
            return cellule.Trouve || silence.fenetresModales > victoires;
        }
    }
    return false;
}

// The peak resident set size in kilobytes, from /proc (VmHWM).
long PicResident() {
    std::ifstream statut("/proc/self/status");
    std::string ligne;
    while (std::getline(statut, ligne)) {
        if (ligne.rfind("VmHWM:", 0) == 0) {
            return std::strtol(ligne.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    const int parties = argc > 1 ? std::atoi(argv[1]) : 0;
    if (parties <= 0) {
        std::fprintf(stderr, "usage : %s NOMBRE_DE_PARTIES\n", argv[0]);
        return 1;
    }

    Partie partie(1280);
    TSDIAppForm& fenetre = partie.Fenetre();
    // Each win answered "play again" starts the next game inside the last press.
    while (partie.silence.fenetresModales < parties) {
        if (!PressePaire(fenetre, partie.silence)) {
            std::fprintf(stderr, "aucune paire trouvée : la partie ne se joue pas\n");
            return 1;
        }
        QCoreApplication::processEvents();
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("parties=%d VmHWM_kB=%ld ru_maxrss_kB=%ld messages=%d\n", parties, PicResident(),
                usage.ru_maxrss, partie.silence.messages);
    return partie.silence.messages == 0 ? 0 : 2;
}
