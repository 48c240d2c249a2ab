// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QPolygon>
#include <QString>

#include <functional>

// Renders an SVG file into a transparent square of `size` pixels; throws when it cannot be read.
QImage renderSvg(const QString& path, int size);
// The same for an SVG document, `name` telling which in the exception.
QImage renderSvgDocument(const QByteArray& svg, const QString& name, int size);

// The part of transparent art that is not fully transparent.
QRect opaqueBounds(const QImage& art);

// That part of the art scaled, proportions kept, to fill a square of `size` pixels at most.
QImage fitted(const QImage& art, int size);

// Makes `area` of the art fully transparent.
void cutAway(QImage& art, const QPolygon& area);

// Replaces each pixel's colour (alpha kept), working on straight (not premultiplied) colours.
void recolour(QImage& art, const std::function<QColor(const QColor&)>& change);

// Turns transparent art into a game picture: opaque RGB on pure black, the transparent colour.
// Soft edges are laid on a light rim `rim` pixels wide so no dark fringe shows on a background;
// pure black inside the art becomes near-black so it stays visible. Same size as `art` plus
// the rim and a black margin on each side.
QImage sticker(const QImage& art, int rim, QColor rimColour = QColor(255, 255, 252));

// The smallest part of a game picture that holds everything but its black, plus a black margin.
QImage cropToArt(const QImage& picture);

// Exact pure black, the colour the game treats as transparent.
bool isTransparentColour(QRgb pixel);
