// SPDX-License-Identifier: MIT
// Placeholder until the bird's flight lands.
#include "app/sdimain.h"

void TSDIAppForm::AnimeOiseau(int, int) {}
void TSDIAppForm::Attente(int, bool) {}
