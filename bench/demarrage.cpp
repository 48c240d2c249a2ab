// SPDX-License-Identifier: MIT
// The program's start-up up to the first paint of its game surface: the entry's steps, the
// six windows, the first game, the main window shown; it quits once the paint box has been
// painted. Run in a folder holding the game's files.
#include "app/Demarrage.h"
#include "app/Fenetres.h"
#include "app/sdimain.h"
#include "bench/PremierePeinture.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    PrepareApplication(app);
    TFenetres fenetres;
    new PremierePeinture(*SDIAppForm->PB);
    SDIAppForm->show();
    return app.exec();
}
