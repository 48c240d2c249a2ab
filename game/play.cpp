// SPDX-License-Identifier: MIT
// Placeholder until play lands.
#include "app/sdimain.h"

void TSDIAppForm::PBMouseDown(TMouseButton, TShiftState, int, int) {}
void TSDIAppForm::PBMouseUp(TMouseButton, TShiftState, int, int) {}
void TSDIAppForm::PBMouseMove(TShiftState, int, int) {}
void TSDIAppForm::Timer1Timer() {}
void TSDIAppForm::CacheCase(int, int) {}
void TSDIAppForm::MontrePhoto(int, int) {}
void TSDIAppForm::JoueCri(int, int) {}
