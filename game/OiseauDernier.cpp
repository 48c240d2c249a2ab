// SPDX-License-Identifier: MIT
#include "game/OiseauDernier.h"

int XOiseauDernier = 0;
int YOiseauDernier = 0;
