// SPDX-License-Identifier: MIT
// Start-up drivers end once a widget has been painted for the first time, printing the moment
// of that paint on the system's monotonic clock (nanoseconds) so that the launching process
// measures launch to first paint, without the program's closing.
#pragma once

#include <QObject>

class QWidget;

class PremierePeinture : public QObject {
public:
    // Watches widget; once its first paint event has been handled, prints the moment and ends
    // the process at once.
    explicit PremierePeinture(QWidget& widget);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
};
