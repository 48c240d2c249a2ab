// SPDX-License-Identifier: MIT
// Silent seams for benchmarks and drivers: no sound, no message box, and the won window
// answered at once. Unlike the test fakes they record nothing, so that a long session keeps
// no growing history.
#pragma once

#include "app/platform/Form.h"

// Installs the seams on construction and restores the real ones on destruction.
class Silence {
public:
    // reponseModale: the answer given to every modal window (mrYes: play again).
    explicit Silence(int reponseModale = mrYes);
    ~Silence();
    Silence(const Silence&) = delete;
    Silence& operator=(const Silence&) = delete;

    int messages = 0;        // message boxes that would have been shown
    int fenetresModales = 0; // modal windows answered
};
