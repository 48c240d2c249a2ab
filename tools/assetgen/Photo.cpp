// SPDX-License-Identifier: MIT
#include "Photo.h"

#include "Landscape.h"
#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace {

constexpr double kGroundY = 390.0;
constexpr double kMaxAnimalWidth = 420.0;
constexpr double kMaxAnimalHeight = 330.0;

void groundShadow(QPainter& painter, QPointF centre, double width) {
    QRadialGradient shade(centre, width / 2);
    shade.setColorAt(0.0, QColor(40, 30, 20, 90));
    shade.setColorAt(1.0, QColor(40, 30, 20, 0));
    painter.save();
    painter.translate(centre);
    painter.scale(1.0, 0.12);
    painter.translate(-centre);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(centre, width / 2, width / 2);
    painter.restore();
}

void banner(QPainter& painter, const QString& caption, const QFont& font, bool polar) {
    QPainterPath text;
    text.addText(0, 0, font, caption);
    const QRectF bounds = text.boundingRect();
    const QRectF plate(kPhotoWidth / 2.0 - bounds.width() / 2 - 28, 400, bounds.width() + 56, 66);
    painter.setPen(QPen(polar ? QColor(90, 130, 190) : QColor(170, 110, 50), 3));
    painter.setBrush(polar ? QColor(245, 250, 255, 235) : QColor(255, 248, 228, 235));
    painter.drawRoundedRect(plate, 22, 22);
    const QPointF origin(plate.center().x() - bounds.center().x(),
                         plate.center().y() - bounds.center().y());
    painter.translate(origin);
    painter.setPen(Qt::NoPen);
    painter.setBrush(polar ? QColor(30, 60, 120) : QColor(110, 55, 20));
    painter.drawPath(text);
    painter.translate(-origin);
}

} // namespace

QImage photograph(const QImage& art, Environment environment, int variant, int seed,
                  const QString& caption, const QFont& font) {
    QImage out = landscape(environment, variant, QSize(kPhotoWidth, kPhotoHeight),
                           static_cast<std::uint64_t>(seed));
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The animal stands on the ground, as large as the space above the banner allows.
    const QRect bounds = opaqueBounds(art);
    const double scale =
        std::min(kMaxAnimalWidth / bounds.width(), kMaxAnimalHeight / bounds.height());
    const QSizeF shown = QSizeF(bounds.size()) * scale;
    groundShadow(painter, QPointF(kPhotoWidth / 2.0, kGroundY - 4), shown.width() * 0.9);
    painter.drawImage(
        QRectF(QPointF(kPhotoWidth / 2.0 - shown.width() / 2, kGroundY - shown.height()), shown),
        art, bounds);
    banner(painter, caption, font, environment == Environment::Polar);
    return out;
}
