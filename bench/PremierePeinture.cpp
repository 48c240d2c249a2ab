// SPDX-License-Identifier: MIT
#include "bench/PremierePeinture.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

PremierePeinture::PremierePeinture(QWidget& widget) : QObject(&widget) {
    widget.installEventFilter(this);
}

bool PremierePeinture::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::Paint) {
        // Queued: the paint itself runs first.
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
        objet->removeEventFilter(this);
    }
    return false;
}
