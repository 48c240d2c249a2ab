// SPDX-License-Identifier: MIT
// The program's bitmap for off-screen work areas.
#pragma once

#include "app/platform/Bitmap.h"

class TBltBitmap : public TBitmap {
public:
    // Takes modele's width and height and fills the whole bitmap with clWindowFrame.
    void InitTaille(const TBitmap& modele);
    // Sized with InitTaille from a black largeur x hauteur bitmap that is then released.
    void InitTailleNoire(int largeur, int hauteur);
};

// Makes the whole bitmap black; its copy mode is SRCCOPY afterwards.
void EffaceNoir(TBitmap& bitmap);
