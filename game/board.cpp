// SPDX-License-Identifier: MIT
// Placeholder until the board lands.
#include "app/sdimain.h"

void TSDIAppForm::NouveauJeu() {}
void TSDIAppForm::InitGrille() {}
bool TSDIAppForm::ChargeFond(const std::string&) { return false; }
