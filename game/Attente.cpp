// SPDX-License-Identifier: MIT
#include "game/Attente.h"

namespace {

std::function<void(int, bool)> attenteRemplacee;

} // namespace

void SetAttente(std::function<void(int millisecondes, bool sansMessages)> attente) {
    attenteRemplacee = std::move(attente);
}

const std::function<void(int, bool)>& AttenteRemplacee() {
    return attenteRemplacee;
}
