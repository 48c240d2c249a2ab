// SPDX-License-Identifier: MIT
// A bare Qt window, shown and painted once: the floor for the program's start-up.
#include "bench/PremierePeinture.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class Surface : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::black); }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Surface fenetre;
    fenetre.resize(960, 720);
    new PremierePeinture(fenetre);
    fenetre.show();
    return app.exec();
}
