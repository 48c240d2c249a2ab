// SPDX-License-Identifier: MIT
// Ends the event loop once a widget has been painted for the first time: start-up drivers
// measure the time until the first paint of their window, the way a user sees it.
#pragma once

#include <QObject>

class QWidget;

class PremierePeinture : public QObject {
public:
    // Watches widget; the application quits after its first paint event has been handled.
    explicit PremierePeinture(QWidget& widget);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
};
