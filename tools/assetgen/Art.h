// SPDX-License-Identifier: MIT
#pragma once

#include "Animals.h"

#include <QImage>
#include <QString>

// The animal's drawing, transparent around it, `size` pixels square, with its look applied.
// `emojiFolder` holds the emoji set's SVG files.
QImage animalArt(const Animal& animal, const QString& emojiFolder, int size);

// The board picture: the art as a sticker on pure black, facing its natural way ('G').
QImage boardSprite(const QImage& art);
