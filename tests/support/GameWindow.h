// SPDX-License-Identifier: MIT
// Fixture for tests of the main window: a temporary working folder holding the tiny assets of
// support/Assets.h (every animal's files included), the fakes of support/Fakes.h (message
// boxes and modal windows recorded, sounds recorded, a 1280 x 1024 work area), and the main
// window constructed and shown offscreen, its first game set up.
#pragma once

#include "app/sdimain.h"
#include "support/Assets.h"
#include "support/Fakes.h"

#include <QImage>
#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

class GameWindowTest : public ::testing::Test {
protected:
    GameWindowTest();
    ~GameWindowTest() override;

    TSDIAppForm& Form() { return *form_; }
    // Texts of the message boxes shown so far, oldest first.
    std::vector<QString> Messages() const;
    // A copy of what the paint box shows.
    QImage Screen();
    // The whole trace file as written so far.
    std::string Trace() const;

    // Declared in the order they are made; destroyed in reverse, the window first.
    DossierTemp dossier;
    FakeMessages messages;
    FakeModal modal;
    FakeSound sounds;
    FakeWorkArea workArea{Rect(0, 0, 1280, 1024)};

private:
    std::unique_ptr<TSDIAppForm> form_;
};

// The colour bits of a pixel, as TCanvas compares them.
inline TColor Rgb(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFFu;
}
