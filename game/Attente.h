// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

// Seam: how the bird's pauses (Attente) pass; by the clock by default. The replacement is given
// the duration in milliseconds and whether messages must wait; an empty one restores the clock.
void SetAttente(std::function<void(int millisecondes, bool sansMessages)> attente);
// The replacement set by SetAttente; empty while the clock is used.
const std::function<void(int, bool)>& AttenteRemplacee();
