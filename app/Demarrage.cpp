// SPDX-License-Identifier: MIT
#include "app/Demarrage.h"

#include "FonctGen/FonctGen.h"
#include "app/platform/Application.h"
#include "app/platform/Screen.h"

#include <QGuiApplication>

void PrepareApplication(QApplication& app) {
    Application::LoadFrenchTranslation(app);
    Application::SetHelpFile("Kornibelle");
    Application::SetTitle("Kornibelle");
    // Lets desktops match the window to the installed desktop entry (Wayland too).
    QGuiApplication::setDesktopFileName("io.github.kornibelle.Kornibelle");
    InitFormatJpeg(ScreenBitsPerPixel());
}
