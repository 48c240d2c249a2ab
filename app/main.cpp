// SPDX-License-Identifier: MIT
#include "FonctGen/FonctGen.h"
#include "app/Fenetres.h"
#include "app/platform/Application.h"
#include "app/platform/Screen.h"
#include "app/sdimain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Application::LoadFrenchTranslation(app);
    Application::SetHelpFile("Kornibelle");
    Application::SetTitle("Kornibelle");
    InitFormatJpeg(ScreenBitsPerPixel());
    TFenetres fenetres;
    SDIAppForm->show();
    app.exec();
    return 0;
}
