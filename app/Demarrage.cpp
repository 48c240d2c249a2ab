// SPDX-License-Identifier: MIT
#include "app/Demarrage.h"

#include "FonctGen/FonctGen.h"
#include "app/platform/Application.h"
#include "app/platform/Screen.h"

void PrepareApplication(QApplication& app) {
    Application::LoadFrenchTranslation(app);
    Application::SetHelpFile("Kornibelle");
    Application::SetTitle("Kornibelle");
    InitFormatJpeg(ScreenBitsPerPixel());
}
