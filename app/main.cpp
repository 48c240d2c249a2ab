// SPDX-License-Identifier: MIT
#include "app/Demarrage.h"
#include "app/Fenetres.h"
#include "app/platform/Signals.h"
#include "app/sdimain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    ChoisitPlateforme();
    QApplication app(argc, argv);
    PrepareApplication(app);
    TFenetres fenetres;
    Signals::CloseOnTermination(*SDIAppForm);
    SDIAppForm->show();
    app.exec();
    Signals::EndAsTerminated();
    return 0;
}
