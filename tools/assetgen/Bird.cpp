// SPDX-License-Identifier: MIT
#include "Bird.h"

#include "Pictures.h"
#include "game/Catalogue.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kOutline(28, 42, 84);
const QColor kFeathers(74, 158, 236);
const QColor kWing(46, 118, 212);
const QColor kWingLight(140, 200, 250);
const QColor kBelly(255, 226, 130);
const QColor kBeak(255, 150, 40);

QPen outlinePen() {
    return QPen(kOutline, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// One wing from the shoulder at the origin, pointing along +x (`side` -1 mirrors it), raised
// by `angle` degrees.
void wing(QPainter& painter, double side, double angle, double length) {
    painter.save();
    painter.scale(side, 1.0);
    painter.rotate(-angle);
    QPainterPath shape(QPointF(0, -5));
    shape.cubicTo(length * 0.4, -9, length * 0.85, -7, length, -3);
    // Three rounded feather tips along the trailing edge.
    shape.quadTo(length * 1.02, 1, length * 0.86, 2);
    shape.quadTo(length * 0.84, 6, length * 0.66, 5);
    shape.quadTo(length * 0.6, 9, length * 0.42, 6);
    shape.cubicTo(length * 0.25, 7, 4, 6, 0, 5);
    shape.closeSubpath();
    painter.setPen(outlinePen());
    painter.setBrush(kWing);
    painter.drawPath(shape);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWingLight);
    painter.drawEllipse(QPointF(length * 0.35, -2.5), length * 0.22, 1.8);
    painter.restore();
}

void eye(QPainter& painter, QPointF centre) {
    painter.setPen(QPen(kOutline, 1.0));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, 4.0, 4.4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(24, 24, 40));
    painter.drawEllipse(centre + QPointF(0.4, 0.6), 2.3, 2.6);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre + QPointF(-0.4, -0.6), 0.9, 0.9);
}

// The round body and face, centred on the origin, about 30 x 28 pixels plus the crest.
void body(QPainter& painter) {
    painter.setPen(outlinePen());
    painter.setBrush(kFeathers);
    QPainterPath crest(QPointF(-2, -12));
    crest.quadTo(-3, -18, 1, -19);
    crest.quadTo(0, -15, 3, -12);
    painter.drawPath(crest);
    painter.drawEllipse(QPointF(0, 0), 15.0, 14.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBelly);
    painter.drawEllipse(QPointF(0, 5.5), 9.5, 7.5);
    painter.setBrush(QColor(255, 140, 150, 150));
    painter.drawEllipse(QPointF(-9.5, 2), 2.6, 1.8);
    painter.drawEllipse(QPointF(9.5, 2), 2.6, 1.8);
    eye(painter, QPointF(-5.2, -3.5));
    eye(painter, QPointF(5.2, -3.5));
    QPainterPath beak(QPointF(-3, 0.5));
    beak.quadTo(0, -0.5, 3, 0.5);
    beak.quadTo(0.8, 5, 0, 5.5);
    beak.quadTo(-0.8, 5, -3, 0.5);
    painter.setPen(QPen(kOutline, 1.0));
    painter.setBrush(kBeak);
    painter.drawPath(beak);
}

void feet(QPainter& painter) {
    painter.setPen(QPen(kBeak.darker(120), 2.0, Qt::SolidLine, Qt::RoundCap));
    for (double x : {-5.0, 5.0}) {
        painter.drawLine(QPointF(x, 13), QPointF(x, 17));
        painter.drawLine(QPointF(x, 17), QPointF(x - 2.5, 18.5));
        painter.drawLine(QPointF(x, 17), QPointF(x + 2.5, 18.5));
    }
}

QImage canvas(int width, int height) {
    QImage out(width, height, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    return out;
}

} // namespace

QImage restingBird() {
    QImage art = canvas(50, 40);
    QPainter painter(&art);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(25, 20);
    feet(painter);
    for (double side : {-1.0, 1.0}) {
        painter.save();
        painter.translate(side * 10, 0);
        wing(painter, side, -68, 12);
        painter.restore();
    }
    body(painter);
    painter.end();
    return sticker(art, 0).copy(2, 2, 50, 40);
}

QImage flightFrame(int number) {
    const double angle = 48.0 - (6 - number) * 21.0;
    QImage art = canvas(kLargeurVol, kHauteurVol);
    QPainter painter(&art);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(kLargeurVol / 2.0, 29);
    for (double side : {-1.0, 1.0}) {
        painter.save();
        painter.translate(side * 11, 1);
        wing(painter, side, angle, 30);
        painter.restore();
    }
    body(painter);
    painter.end();
    return sticker(art, 0).copy(2, 2, kLargeurVol, kHauteurVol);
}
