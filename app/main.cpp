// SPDX-License-Identifier: MIT
#include "app/Demarrage.h"
#include "app/Fenetres.h"
#include "app/sdimain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    ChoisitPlateforme();
    QApplication app(argc, argv);
    PrepareApplication(app);
    TFenetres fenetres;
    SDIAppForm->show();
    app.exec();
    return 0;
}
