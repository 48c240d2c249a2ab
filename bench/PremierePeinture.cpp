// SPDX-License-Identifier: MIT
#include "bench/PremierePeinture.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

void TermineApresPeinture() {
    timespec maintenant{};
    clock_gettime(CLOCK_MONOTONIC, &maintenant);
    std::printf("%lld\n",
                static_cast<long long>(maintenant.tv_sec) * 1'000'000'000LL + maintenant.tv_nsec);
    std::fflush(stdout);
    // Closing would play the leaving sound and write the settings: not part of a start-up.
    std::_Exit(0);
}

} // namespace

PremierePeinture::PremierePeinture(QWidget& widget) : QObject(&widget) {
    widget.installEventFilter(this);
}

bool PremierePeinture::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::Paint) {
        // Queued: the paint itself runs first.
        QMetaObject::invokeMethod(QCoreApplication::instance(), &TermineApresPeinture,
                                  Qt::QueuedConnection);
        objet->removeEventFilter(this);
    }
    return false;
}
