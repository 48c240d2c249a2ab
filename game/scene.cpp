// SPDX-License-Identifier: MIT
// Placeholder until the scene drawing lands.
#include "app/sdimain.h"

void TSDIAppForm::PBPaint() {}
void TSDIAppForm::DessineScene(int, int, TCanvas&) {}
void TSDIAppForm::CopieFond(TBitmap&) {}
void TSDIAppForm::DessineGrille(TBitmap&) {}
void TSDIAppForm::DessineTransparent(TBitmap&, int, int, int, int, bool) {}
void TSDIAppForm::DessineOiseau(int, int) {}
void TSDIAppForm::EffaceOiseau() {}
