// SPDX-License-Identifier: MIT
#pragma once

#include "app/platform/Types.h"

#include <QCursor>
#include <memory>

// The screen's work area: the desktop without the task bar.
TRect WorkArea();
// Bits per pixel of the screen (bits per pixel x colour planes).
int ScreenBitsPerPixel();

// Seam: the work area (the primary screen's available geometry by default).
class IWorkArea {
public:
    virtual ~IWorkArea() = default;
    virtual TRect Get() = 0;
};
// Installs workArea; nullptr restores the default.
void SetWorkArea(std::unique_ptr<IWorkArea> workArea);

// The invisible pointer, made from the program's cursor resource.
const QCursor& crVide();

// a x b / c rounded to the nearest integer, with a 64-bit product; -1 when c is 0.
int MulDiv(int a, int b, int c);
