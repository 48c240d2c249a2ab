// SPDX-License-Identifier: MIT
// The game shared by the benchmarks of one run, made by the benchmarks' main before any runs.
#pragma once

#include "bench/Partie.h"

// A work area wide enough that no background is reduced, unless a benchmark says otherwise.
constexpr int kEcranLarge = 8000;

Partie& PartieCourante();
