// SPDX-License-Identifier: MIT
#pragma once

#include "app/platform/Bitmap.h"

// Sizes bitmap to width x height, all of it color.
inline void Fill(TBitmap& bitmap, int width, int height, TColor color) {
    bitmap.SetSize(width, height);
    bitmap.Canvas().Brush.Color = color;
    bitmap.Canvas().FillRect(Rect(0, 0, width, height));
}
