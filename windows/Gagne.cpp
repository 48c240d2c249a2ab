// SPDX-License-Identifier: MIT
#include "windows/Gagne.h"

TBravo::TBravo(QWidget* parent) : TForm(parent) {}
