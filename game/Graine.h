// SPDX-License-Identifier: MIT
#pragma once

#include <ctime>
#include <functional>

// Seed of a new game's random draws: the current time in seconds.
std::time_t GraineJeu();

// Seam: where the seed comes from (the clock by default); an empty source restores the clock.
void SetSourceGraine(std::function<std::time_t()> source);
