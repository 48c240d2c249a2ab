// SPDX-License-Identifier: MIT
#pragma once

#include <ctime>
#include <memory>

// Seed of a new game's random draws: the current time in seconds.
std::time_t GraineJeu();

// Seam: where the seed comes from (the clock by default).
class ISourceGraine {
public:
    virtual ~ISourceGraine() = default;
    virtual std::time_t Graine() = 0;
};

// Installs source; nullptr restores the clock.
void InstalleSourceGraine(std::unique_ptr<ISourceGraine> source);
