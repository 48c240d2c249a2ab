// SPDX-License-Identifier: MIT
#pragma once

// Top-left corner at which DessineOiseau last drew the resting bird; (0, 0) at start.
extern int XOiseauDernier;
extern int YOiseauDernier;
