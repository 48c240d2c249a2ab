// SPDX-License-Identifier: MIT
#pragma once

#include "Animals.h"

#include <QFont>
#include <QImage>
#include <QString>

constexpr int kPhotoWidth = 640;
constexpr int kPhotoHeight = 480;
// Size the animal art is rendered at for a photograph.
constexpr int kPhotoArtSize = 400;

// The animal large in its landscape (`variant`, `seed` as for landscape()), its French name on a
// banner below it.
QImage photograph(const QImage& art, Environment environment, int variant, int seed,
                  const QString& caption, const QFont& font);
