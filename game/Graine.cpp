// SPDX-License-Identifier: MIT
#include "game/Graine.h"

namespace {

std::function<std::time_t()> sourceGraine;

} // namespace

std::time_t GraineJeu() {
    return sourceGraine ? sourceGraine() : std::time(nullptr);
}

void SetSourceGraine(std::function<std::time_t()> source) {
    sourceGraine = std::move(source);
}
