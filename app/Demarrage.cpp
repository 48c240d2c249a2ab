// SPDX-License-Identifier: MIT
#include "app/Demarrage.h"

#include "FonctGen/FonctGen.h"
#include "app/platform/Application.h"
#include "app/platform/Screen.h"

#include <QGuiApplication>
#include <QtGlobal>

void ChoisitPlateforme() {
    const bool xwayland =
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY");
    // Wayland still, should the X server not answer; Qt's -platform argument still wins.
    if (xwayland && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    }
}

void PrepareApplication(QApplication& app) {
    Application::LoadFrenchTranslation(app);
    Application::SetHelpFile("Kornibelle");
    Application::SetTitle("Kornibelle");
    // Lets desktops match the window to the installed desktop entry (Wayland too).
    QGuiApplication::setDesktopFileName("io.github.kornibelle.Kornibelle");
    InitFormatJpeg(ScreenBitsPerPixel());
}
