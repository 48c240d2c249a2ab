// SPDX-License-Identifier: MIT
#pragma once

#include "app/platform/Rect.h"

#include <QCursor>
#include <QRect>
#include <memory>

// The screen's work area: the desktop without the task bar.
TRect WorkArea();
// The work area in the program's pixels, from the screen's available and whole geometry in
// them and the ratio of screen pixels to them. When the ratio is not 1, Qt rounds the work
// area's corner and its size each to whole pixels, which may take its right or bottom edge up
// to a pixel past the true one: that edge is brought in by a pixel unless it is the screen's,
// and no edge passes the screen's. The corner is off by half a pixel at most.
TRect WorkAreaWithin(const QRect& available, const QRect& screen, double ratio);
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
