// SPDX-License-Identifier: MIT
#include "game/BltBitmap.h"

void TBltBitmap::InitTaille(const TBitmap& modele) {
    SetSize(modele.Width(), modele.Height());
    TCanvas& canvas = Canvas();
    canvas.Brush.Color = clWindowFrame;
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.FillRect(Rect(0, 0, Width(), Height()));
}

void TBltBitmap::InitTailleNoire(int largeur, int hauteur) {
    TBitmap noir;
    noir.SetSize(largeur, hauteur);
    EffaceNoir(noir);
    InitTaille(noir);
}

void EffaceNoir(TBitmap& bitmap) {
    TCanvas& canvas = bitmap.Canvas();
    const TRect tout = Rect(0, 0, bitmap.Width(), bitmap.Height());
    canvas.CopyMode = TCopyMode::BLACKNESS;
    canvas.CopyRect(tout, canvas, tout);
    canvas.CopyMode = TCopyMode::SRCCOPY;
}
