// SPDX-License-Identifier: MIT
#pragma once

// a x b / c rounded to the nearest integer, with a 64-bit product; -1 when c is 0.
int MulDiv(int a, int b, int c);
