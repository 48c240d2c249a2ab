// SPDX-License-Identifier: MIT
#include "Art.h"

#include "Pictures.h"

#include <QFile>
#include <QJsonDocument>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <stdexcept>

namespace {

constexpr int kRim = 3;

// The emoji set draws on a 32-unit square; accessories are placed in the same units.
constexpr double kUnits = 32.0;

double luminance(const QColor& c) {
    return 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue();
}

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// Fur turns white; eyes, nose and shadows keep their darkness.
QColor snowy(const QColor& c) {
    const double light = std::clamp((luminance(c) - 50.0) / 90.0, 0.0, 1.0);
    return mix(c, QColor(246, 250, 255), 0.65 * light);
}

// The seal's greys become a walrus's pinkish brown.
QColor walrusSkin(const QColor& c) {
    const double l = luminance(c) / 255.0;
    return QColor::fromRgbF(static_cast<float>(std::min(1.0, l * 1.02 + 0.06)),
                            static_cast<float>(l * 0.74 + 0.02), static_cast<float>(l * 0.60));
}

// A reindeer's coat is cooler and greyer than a deer's.
QColor reindeerCoat(const QColor& c) {
    const double l = luminance(c);
    return mix(c,
               QColor::fromRgb(static_cast<int>(l * 0.95), static_cast<int>(l * 0.9),
                               static_cast<int>(l * 0.85)),
               0.55);
}

void drawTusk(QPainter& painter, double rootX) {
    QPainterPath tusk;
    tusk.moveTo(rootX - 0.55, 16.6);
    tusk.cubicTo(rootX - 0.6, 19.5, rootX - 0.2, 22.0, rootX + 0.1, 23.6);
    tusk.cubicTo(rootX + 0.5, 21.5, rootX + 0.6, 19.0, rootX + 0.55, 16.6);
    tusk.closeSubpath();
    painter.setPen(QPen(QColor(150, 130, 105), 0.25));
    painter.setBrush(QColor(252, 246, 228));
    painter.drawPath(tusk);
}

void drawWalrusFace(QPainter& painter) {
    drawTusk(painter, 7.3);
    drawTusk(painter, 10.2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 80, 60));
    for (const QPointF& dot : {QPointF(7.0, 15.6), QPointF(6.4, 16.3), QPointF(7.6, 16.4),
                               QPointF(10.6, 15.6), QPointF(11.2, 16.3), QPointF(10.1, 16.4)}) {
        painter.drawEllipse(dot, 0.22, 0.22);
    }
}

void drawRedNose(QPainter& painter) {
    QRadialGradient glow(QPointF(3.1, 10.2), 1.1);
    glow.setColorAt(0.0, QColor(255, 120, 110));
    glow.setColorAt(1.0, QColor(215, 25, 30));
    painter.setPen(QPen(QColor(150, 20, 25), 0.2));
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(3.2, 10.4), 1.05, 0.95);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawEllipse(QPointF(2.85, 10.0), 0.3, 0.22);
}

void applyLook(QImage& art, Look look) {
    switch (look) {
    case Look::AsDrawn:
        return;
    case Look::Snowy:
        recolour(art, snowy);
        return;
    case Look::Walrus:
        recolour(art, walrusSkin);
        break;
    case Look::Reindeer:
        recolour(art, reindeerCoat);
        break;
    }
    QPainter painter(&art);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(art.width() / kUnits, art.height() / kUnits);
    if (look == Look::Walrus) {
        drawWalrusFace(painter);
    } else {
        drawRedNose(painter);
    }
}

} // namespace

Drawings::Drawings(const QString& fluentPackage, const QString& notoPackage)
    : fluentIcons_(fluentPackage + "/icons/modern"), notoIconsFile_(notoPackage + "/icons.json") {
    QFile icons(notoIconsFile_);
    QJsonParseError error;
    if (icons.open(QIODevice::ReadOnly)) {
        notoIcons_ = QJsonDocument::fromJson(icons.readAll(), &error).object();
    }
    if (!notoIcons_.value("icons").isObject()) {
        throw std::runtime_error("cannot read the drawings " + notoIconsFile_.toStdString());
    }
}

QImage Drawings::art(const Animal& animal, int size) const {
    const QString name = QString::fromLatin1(animal.emoji);
    QImage art = animal.emojiSet == EmojiSet::Noto
                     ? renderSvgDocument(notoSvg(animal.emoji), notoIconsFile_ + ": " + name, size)
                     : renderSvg(fluentIcons_ + '/' + name + ".svg", size);
    applyLook(art, animal.look);
    return art;
}

// An icon of the Iconify set as an SVG document: its body in its box, the set's unless its own.
QByteArray Drawings::notoSvg(const char* icon) const {
    const QJsonObject drawing = notoIcons_.value("icons").toObject().value(icon).toObject();
    if (!drawing.value("body").isString()) {
        throw std::runtime_error("no drawing " + std::string(icon) + " in " +
                                 notoIconsFile_.toStdString());
    }
    const auto dimension = [&](const char* key, double otherwise) {
        return QByteArray::number(
            drawing.value(key).toDouble(notoIcons_.value(key).toDouble(otherwise)));
    };
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"" + dimension("left", 0) + ' ' +
           dimension("top", 0) + ' ' + dimension("width", 16) + ' ' + dimension("height", 16) +
           "\">" + drawing.value("body").toString().toUtf8() + "</svg>";
}

QImage boardSprite(const QImage& art) {
    return cropToArt(sticker(art, kRim));
}
