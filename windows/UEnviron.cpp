// SPDX-License-Identifier: MIT
#include "windows/UEnviron.h"

TEnviron::TEnviron(QWidget* parent) : TForm(parent) {}
