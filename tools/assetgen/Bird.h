// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// The bird that stands in for the pointer, seen from the front, on pure black.
QImage restingBird();
// Wing-beat pictures numbered 2 (wings lowest) to 6 (wings highest).
QImage flightFrame(int number);
