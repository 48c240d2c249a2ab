// SPDX-License-Identifier: MIT
#pragma once

#include "Animals.h"

#include <QImage>
#include <QJsonObject>
#include <QString>

// The emoji sets' drawings: Fluent Emoji's SVG files, and Noto Emoji's in an Iconify JSON set.
class Drawings {
public:
    // The installed npm packages fluentui-emoji and @iconify-json/noto-v1; throws when Noto's set
    // cannot be read.
    Drawings(const QString& fluentPackage, const QString& notoPackage);

    // The animal's drawing, transparent around it, `size` pixels square, with its look applied.
    QImage art(const Animal& animal, int size) const;

private:
    QByteArray notoSvg(const char* icon) const;

    QString fluentIcons_;
    QString notoIconsFile_;
    QJsonObject notoIcons_;
};

// The board picture: the art as a sticker on pure black, facing its natural way ('G').
QImage boardSprite(const QImage& art);
