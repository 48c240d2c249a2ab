// SPDX-License-Identifier: MIT
// The program's start-up up to the first paint of its game surface: the entry's steps, the
// six windows, the first game, the main window shown; it quits once the paint box has been
// painted. Run in a folder holding the game's files.
#include "FonctGen/FonctGen.h"
#include "app/Fenetres.h"
#include "app/platform/Application.h"
#include "app/platform/Screen.h"
#include "app/sdimain.h"
#include "bench/PremierePeinture.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Application::LoadFrenchTranslation(app);
    Application::SetHelpFile("Kornibelle");
    Application::SetTitle("Kornibelle");
    InitFormatJpeg(ScreenBitsPerPixel());
    TFenetres fenetres;
    new PremierePeinture(*SDIAppForm->PB);
    SDIAppForm->show();
    return app.exec();
}
