// SPDX-License-Identifier: MIT
// Fixture for tests of the application shell: a temporary working folder that also holds the
// settings file and the per-user folders, message boxes and sounds recorded, a 1280 x 1024
// work area.
#pragma once

#include "support/Fakes.h"

#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <string>

class QWidget;

class CoquilleTest : public ::testing::Test {
protected:
    // The settings file the main window reads and writes, and its whole content.
    QString FichierIni() const;
    void EcritIni(const std::string& contenu) const;
    std::string LitIni() const;

    DossierTemp dossier;
    FauxProgramme programme{dossier.Chemin("kornibelle").toStdString()};
    FakeUserFolders personnels{dossier.Chemin().toStdString()};
    FakeMessages messages;
    FakeSound sons;
    FakeWorkArea workArea{Rect(0, 0, 1280, 1024)};
};

// Runs action once window has been shown by a modal loop that has started.
void QuandVisible(QWidget& window, std::function<void()> action);
