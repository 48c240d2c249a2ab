// SPDX-License-Identifier: MIT
// Fixture for tests of the game: the shell's fixture (temporary working folder with the
// settings file, message boxes, sounds and work area faked) with the tiny assets of
// support/Assets.h written into it, every animal's files included, modal windows answered by
// a FakeModal, and the program's six windows created, the main window shown offscreen with
// its first game set up.
#pragma once

#include "app/Fenetres.h"
#include "app/sdimain.h"
#include "support/Assets.h"
#include "support/Coquille.h"

#include <QImage>
#include <QString>
#include <memory>
#include <string>
#include <vector>

class GameWindowTest : public CoquilleTest {
protected:
    GameWindowTest();
    ~GameWindowTest() override;

    TSDIAppForm& Form() { return *SDIAppForm; }
    // Texts of the message boxes shown so far, oldest first.
    std::vector<QString> Messages() const;
    // A copy of what the paint box shows.
    QImage Screen();
    // The whole trace file as written so far.
    std::string Trace() const;

    FakeModal modal;

private:
    std::unique_ptr<TFenetres> fenetres_;
};

// The colour bits of a pixel, as TCanvas compares them.
inline TColor Rgb(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFFu;
}
