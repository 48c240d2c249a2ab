// SPDX-License-Identifier: MIT
#include "Landscape.h"

#include "Random.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

using Stops = std::vector<std::pair<double, QColor>>;

void fillGradient(QPainter& painter, const QRectF& area, const Stops& stops) {
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    for (const auto& [at, colour] : stops) {
        gradient.setColorAt(at, colour);
    }
    painter.fillRect(area, gradient);
}

// A hill line: the ground below a smooth wavy crest around `baseY`.
QPainterPath ridge(QSizeF size, double baseY, double amplitude, Random& random) {
    struct Wave {
        double frequency, phase, weight;
    };
    std::vector<Wave> waves;
    for (double frequency : {1.3, 2.9, 6.1}) {
        waves.push_back(
            {frequency * random.range(0.8, 1.2), random.range(0.0, 6.28), 1.0 / frequency});
    }
    QPainterPath path(QPointF(0, size.height()));
    for (double x = 0; x <= size.width() + 8; x += 8) {
        double y = 0;
        for (const Wave& w : waves) {
            y += w.weight *
                 std::sin(w.frequency * 2.0 * std::numbers::pi * x / size.width() + w.phase);
        }
        path.lineTo(x, baseY - amplitude * y);
    }
    path.lineTo(size.width() + 8, size.height());
    path.closeSubpath();
    return path;
}

void sun(QPainter& painter, QPointF centre, double radius, QColor core, QColor glow) {
    QRadialGradient halo(centre, radius * 3.5);
    glow.setAlpha(110);
    halo.setColorAt(0.0, glow);
    glow.setAlpha(0);
    halo.setColorAt(1.0, glow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(centre, radius * 3.5, radius * 3.5);
    painter.setBrush(core);
    painter.drawEllipse(centre, radius, radius);
}

void cloud(QPainter& painter, QPointF centre, double width, QColor colour, Random& random) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (int puff = 0; puff < 6; ++puff) {
        const double x = centre.x() + random.range(-0.4, 0.4) * width;
        const double r = width * random.range(0.12, 0.22);
        painter.drawEllipse(QPointF(x, centre.y() - r * 0.3), r * 1.3, r * 0.75);
    }
}

// A flat-topped savanna tree.
void acacia(QPainter& painter, QPointF base, double height, QColor trunk, QColor leaves,
            Random& random) {
    const QPointF fork(base.x() + random.range(-0.05, 0.05) * height, base.y() - 0.55 * height);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(trunk, height * 0.05, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(base, fork);
    std::vector<QPointF> tips;
    for (double lean : {-0.45, -0.15, 0.2, 0.5}) {
        const QPointF tip(fork.x() + lean * height * random.range(0.8, 1.1),
                          base.y() - height * random.range(0.82, 0.9));
        painter.setPen(QPen(trunk, height * 0.025, Qt::SolidLine, Qt::RoundCap));
        QPainterPath branch(fork);
        branch.quadTo(QPointF(fork.x() + (tip.x() - fork.x()) * 0.3, tip.y() + height * 0.08), tip);
        painter.drawPath(branch);
        tips.push_back(tip);
    }
    painter.setPen(Qt::NoPen);
    const QColor light = leaves.lighter(118);
    for (const QPointF& tip : tips) {
        for (int clump = 0; clump < 3; ++clump) {
            const QPointF c(tip.x() + random.range(-0.12, 0.12) * height,
                            tip.y() + random.range(-0.03, 0.02) * height);
            painter.setBrush(leaves);
            painter.drawEllipse(c, height * random.range(0.16, 0.24), height * 0.07);
            painter.setBrush(light);
            painter.drawEllipse(c - QPointF(0, height * 0.03), height * 0.12, height * 0.035);
        }
    }
}

// Short tufts of grass, thinning out towards the horizon.
void grass(QPainter& painter, const QRectF& area, QColor colour, int count, Random& random) {
    for (int i = 0; i < count; ++i) {
        const double depth = random.uniform();
        const QPointF root(area.left() + random.uniform() * area.width(),
                           area.top() + depth * depth * area.height());
        const double length = (4.0 + 14.0 * depth) * area.height() / 300.0;
        QColor blade = random.uniform() < 0.5 ? colour.lighter(115) : colour.darker(112);
        blade.setAlpha(110);
        painter.setPen(QPen(blade, 1.0 + depth * 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(root, root + QPointF(random.range(-0.4, 0.4) * length, -length));
    }
}

void iceberg(QPainter& painter, QPointF base, double width, double height, Random& random) {
    QPolygonF shape;
    shape << QPointF(base.x() - width / 2, base.y());
    const int peaks = 4;
    for (int i = 1; i < peaks; ++i) {
        shape << QPointF(base.x() - width / 2 + width * i / peaks +
                             random.range(-0.05, 0.05) * width,
                         base.y() - height * random.range(0.55, 1.0));
    }
    shape << QPointF(base.x() + width / 2, base.y());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 247, 255));
    painter.drawPolygon(shape);
    QPolygonF shade;
    shade << shape[2] << shape[3] << shape[4] << QPointF(base.x() + width * 0.05, base.y());
    painter.setBrush(QColor(190, 215, 240));
    painter.drawPolygon(shade);
    painter.setBrush(QColor(255, 255, 255, 60));
    painter.drawRect(QRectF(base.x() - width / 2, base.y(), width, height * 0.12));
}

// A snow house; at night its door glows.
void igloo(QPainter& painter, QPointF base, double width, bool night) {
    const double height = width * 0.55;
    QPainterPath dome(base + QPointF(-width / 2, 0));
    dome.cubicTo(base + QPointF(-width / 2, -height * 1.33),
                 base + QPointF(width / 2, -height * 1.33), base + QPointF(width / 2, 0));
    dome.closeSubpath();
    painter.setPen(QPen(night ? QColor(110, 135, 180) : QColor(170, 195, 225), 1.5));
    painter.setBrush(night ? QColor(185, 205, 235) : QColor(248, 252, 255));
    painter.drawPath(dome);
    painter.save();
    painter.setClipPath(dome);
    for (int row = 1; row < 4; ++row) {
        const double y = base.y() - height * row / 4.0;
        painter.drawLine(QPointF(base.x() - width, y), QPointF(base.x() + width, y));
        for (double x = -1.0; x <= 1.0; x += 0.25) {
            const double bx = base.x() + (x + (row % 2) * 0.125) * width / 2;
            painter.drawLine(QPointF(bx, y), QPointF(bx, y + height / 4.0));
        }
    }
    painter.restore();
    QPainterPath door(base + QPointF(-width * 0.13, 0));
    door.cubicTo(base + QPointF(-width * 0.13, -height * 0.6),
                 base + QPointF(width * 0.13, -height * 0.6), base + QPointF(width * 0.13, 0));
    door.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(night ? QColor(255, 190, 90) : QColor(70, 95, 135));
    painter.drawPath(door);
}

void stars(QPainter& painter, QSizeF size, double bottom, Random& random) {
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 140; ++i) {
        const QPointF at(random.uniform() * size.width(), random.uniform() * bottom);
        const double r = random.range(0.6, 1.8) * size.width() / 1024.0;
        painter.setBrush(QColor(255, 255, 235, static_cast<int>(random.range(90, 220))));
        painter.drawEllipse(at, r, r);
    }
}

// Soft curtains of light: many thin vertical fades along a wavy line.
void aurora(QPainter& painter, QSizeF size, QColor colour, double baseY, Random& random) {
    const double phase = random.range(0.0, 6.28);
    const double tall = size.height() * random.range(0.16, 0.24);
    for (double x = -20; x < size.width() + 20; x += 3) {
        const double u = x / size.width();
        const double y =
            baseY + size.height() * 0.07 * std::sin(2.0 * std::numbers::pi * u * 1.4 + phase) +
            size.height() * 0.03 * std::sin(2.0 * std::numbers::pi * u * 3.7 + phase * 2);
        const double strength = 0.5 + 0.5 * std::sin(2.0 * std::numbers::pi * u * 2.3 + phase * 3);
        QLinearGradient curtain(QPointF(x, y - tall), QPointF(x, y));
        QColor top = colour;
        top.setAlpha(0);
        QColor foot = colour;
        foot.setAlpha(static_cast<int>(20 + 55 * strength));
        curtain.setColorAt(0.0, top);
        curtain.setColorAt(0.85, foot);
        curtain.setColorAt(1.0, top);
        painter.fillRect(QRectF(x, y - tall, 3.5, tall), curtain);
    }
}

void savanna(QPainter& painter, QSizeF size, int variant, Random& random) {
    const double w = size.width();
    const double h = size.height();
    const double horizon = h * 0.52;
    const bool evening = variant == 1;
    fillGradient(painter, QRectF(0, 0, w, h),
                 evening ? Stops{{0.0, QColor(236, 150, 110)}, {0.5, QColor(255, 222, 160)}}
                         : Stops{{0.0, QColor(118, 178, 228)}, {0.5, QColor(246, 234, 196)}});
    if (evening) {
        sun(painter, QPointF(w * 0.3, horizon - h * 0.06), w * 0.06, QColor(255, 236, 170),
            QColor(255, 190, 110));
    } else {
        sun(painter, QPointF(w * 0.82, h * 0.15), w * 0.045, QColor(255, 250, 215),
            QColor(255, 240, 170));
        cloud(painter, QPointF(w * 0.25, h * 0.14), w * 0.22, QColor(255, 255, 255, 150), random);
        cloud(painter, QPointF(w * 0.58, h * 0.24), w * 0.16, QColor(255, 255, 255, 120), random);
    }
    painter.setPen(Qt::NoPen);
    if (evening) {
        QPainterPath mountain(QPointF(w * 0.45, horizon + h * 0.05));
        mountain.cubicTo(w * 0.6, horizon - h * 0.1, w * 0.64, horizon - h * 0.2, w * 0.7,
                         horizon - h * 0.21);
        mountain.cubicTo(w * 0.77, horizon - h * 0.2, w * 0.8, horizon - h * 0.1, w * 0.98,
                         horizon);
        mountain.lineTo(w * 0.98, horizon + h * 0.05);
        painter.setBrush(QColor(170, 120, 130));
        painter.drawPath(mountain);
        QPainterPath snow(QPointF(w * 0.645, horizon - h * 0.175));
        snow.cubicTo(w * 0.66, horizon - h * 0.2, w * 0.74, horizon - h * 0.215, w * 0.76,
                     horizon - h * 0.18);
        snow.lineTo(w * 0.73, horizon - h * 0.165);
        snow.lineTo(w * 0.7, horizon - h * 0.178);
        snow.lineTo(w * 0.67, horizon - h * 0.163);
        snow.closeSubpath();
        painter.setBrush(QColor(255, 240, 235));
        painter.drawPath(snow);
    }
    painter.setBrush(evening ? QColor(200, 140, 120) : QColor(170, 178, 190));
    painter.drawPath(ridge(size, horizon, h * 0.03, random));
    painter.setBrush(evening ? QColor(214, 160, 95) : QColor(206, 186, 120));
    painter.drawPath(ridge(size, horizon + h * 0.03, h * 0.015, random));

    const QRectF ground(0, horizon + h * 0.03, w, h - horizon);
    fillGradient(painter, ground,
                 evening ? Stops{{0.0, QColor(222, 170, 96)}, {1.0, QColor(196, 140, 76)}}
                         : Stops{{0.0, QColor(226, 196, 116)}, {1.0, QColor(196, 168, 88)}});
    painter.setPen(Qt::NoPen);
    for (int patch = 0; patch < 7; ++patch) {
        QColor shade = evening ? QColor(180, 120, 70, 28) : QColor(150, 150, 70, 28);
        painter.setBrush(shade);
        const double y = horizon + h * random.range(0.08, 0.45);
        painter.drawEllipse(QPointF(w * random.uniform(), y), w * random.range(0.1, 0.25),
                            h * random.range(0.02, 0.05));
    }
    const QColor trunk = evening ? QColor(80, 55, 50) : QColor(95, 75, 55);
    const QColor leaves = evening ? QColor(95, 90, 55) : QColor(100, 125, 55);
    const double far = horizon + h * 0.035;
    acacia(painter, QPointF(w * (evening ? 0.12 : 0.2), far), h * 0.1, trunk, leaves, random);
    acacia(painter, QPointF(w * (evening ? 0.86 : 0.7), far + h * 0.01), h * 0.14, trunk, leaves,
           random);
    acacia(painter, QPointF(w * (evening ? 0.5 : 0.9), far), h * 0.07, trunk, leaves, random);
    grass(painter, ground, evening ? QColor(200, 140, 70) : QColor(190, 165, 80),
          static_cast<int>(w * 2.5), random);
}

void polar(QPainter& painter, QSizeF size, int variant, Random& random) {
    const double w = size.width();
    const double h = size.height();
    const bool night = variant == 1;
    const double horizon = h * (night ? 0.5 : 0.44);
    if (night) {
        fillGradient(painter, QRectF(0, 0, w, h),
                     {{0.0, QColor(18, 28, 66)}, {0.5, QColor(52, 84, 128)}});
        stars(painter, size, horizon, random);
        aurora(painter, size, QColor(110, 255, 180), h * 0.3, random);
        aurora(painter, size, QColor(170, 140, 255), h * 0.22, random);
        sun(painter, QPointF(w * 0.83, h * 0.13), w * 0.03, QColor(250, 250, 235),
            QColor(200, 220, 255));
    } else {
        fillGradient(painter, QRectF(0, 0, w, h),
                     {{0.0, QColor(130, 182, 232)}, {0.45, QColor(228, 240, 250)}});
        sun(painter, QPointF(w * 0.15, h * 0.12), w * 0.04, QColor(255, 252, 230),
            QColor(255, 250, 220));
        cloud(painter, QPointF(w * 0.5, h * 0.12), w * 0.2, QColor(255, 255, 255, 140), random);
        cloud(painter, QPointF(w * 0.82, h * 0.2), w * 0.14, QColor(255, 255, 255, 120), random);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(night ? QColor(90, 118, 160) : QColor(210, 225, 242));
    painter.drawPath(ridge(size, horizon - h * 0.02, h * 0.05, random));
    if (!night) {
        const QRectF sea(0, horizon, w, h * 0.12);
        fillGradient(painter, sea, {{0.0, QColor(80, 130, 180)}, {1.0, QColor(60, 108, 162)}});
        iceberg(painter, QPointF(w * 0.3, horizon + h * 0.05), w * 0.14, h * 0.08, random);
        iceberg(painter, QPointF(w * 0.72, horizon + h * 0.07), w * 0.1, h * 0.05, random);
    }
    const double shore = night ? horizon + h * 0.02 : horizon + h * 0.11;
    painter.setBrush(night ? QColor(120, 148, 190) : QColor(222, 234, 248));
    painter.drawPath(ridge(size, shore, h * 0.02, random));
    const QRectF snow(0, shore + h * 0.03, w, h - shore);
    fillGradient(painter, snow,
                 night ? Stops{{0.0, QColor(132, 160, 200)}, {1.0, QColor(160, 186, 222)}}
                       : Stops{{0.0, QColor(226, 237, 250)}, {1.0, QColor(196, 216, 238)}});
    // Rolling snow dunes, each lit along its crest and shaded towards its foot.
    for (int dune = 0; dune < 3; ++dune) {
        const double crest = shore + h * (0.12 + 0.14 * dune);
        const QColor lit = night ? QColor(150 + 10 * dune, 178 + 8 * dune, 215 + 5 * dune)
                                 : QColor(236 - 3 * dune, 244 - 2 * dune, 252 - dune);
        QLinearGradient shade(QPointF(0, crest - h * 0.03), QPointF(0, crest + h * 0.14));
        shade.setColorAt(0.0, lit);
        shade.setColorAt(1.0, lit.darker(108));
        painter.setPen(QPen(QColor(255, 255, 255, night ? 40 : 140), 2.0));
        painter.setBrush(shade);
        painter.drawPath(ridge(size, crest, h * 0.03, random));
        if (dune == 0) {
            igloo(painter, QPointF(w * random.range(0.62, 0.85), crest + h * 0.03), w * 0.1, night);
        }
    }
}

// A red barn with a gambrel roof, white trim and a cross-braced door, standing on `base`.
void barn(QPainter& painter, QPointF base, double width, bool evening) {
    const double wall = width * 0.55;
    const QRectF body(base.x() - width / 2, base.y() - wall, width, wall);
    const QColor red = evening ? QColor(150, 50, 40) : QColor(178, 42, 34);
    const QColor trim = evening ? QColor(235, 215, 190) : QColor(250, 248, 240);
    QPolygonF roof;
    roof << QPointF(body.left() - width * 0.05, body.top())
         << QPointF(body.left() + width * 0.1, body.top() - width * 0.3)
         << QPointF(base.x(), body.top() - width * 0.42)
         << QPointF(body.right() - width * 0.1, body.top() - width * 0.3)
         << QPointF(body.right() + width * 0.05, body.top());
    painter.setPen(QPen(trim, width * 0.02, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(red);
    painter.drawPolygon(roof);
    painter.drawRect(body);
    painter.setBrush(evening ? QColor(80, 60, 55) : QColor(95, 70, 60));
    painter.drawRect(
        QRectF(base.x() - width * 0.09, body.top() - width * 0.24, width * 0.18, width * 0.14));
    const QRectF door(base.x() - width * 0.2, base.y() - wall * 0.7, width * 0.4, wall * 0.7);
    painter.setBrush(red.darker(115));
    painter.drawRect(door);
    painter.drawLine(door.topLeft(), door.bottomRight());
    painter.drawLine(door.topRight(), door.bottomLeft());
    painter.drawLine(QPointF(door.center().x(), door.top()),
                     QPointF(door.center().x(), door.bottom()));
}

// A wooden fence across the meadow: posts along a gently sagging line, two rails between them.
void fence(QPainter& painter, QSizeF size, double baseY, double height, QColor wood) {
    const double step = size.width() / 14.0;
    const auto groundAt = [&](double x) {
        return baseY + height * 0.25 * std::sin(x / size.width() * std::numbers::pi);
    };
    for (const double rail : {0.35, 0.75}) {
        QPainterPath line(QPointF(-step, groundAt(-step) - rail * height));
        for (double x = 0; x <= size.width() + step; x += step / 4) {
            line.lineTo(x, groundAt(x) - rail * height);
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(wood, height * 0.12, Qt::SolidLine, Qt::FlatCap));
        painter.drawPath(line);
    }
    painter.setPen(QPen(wood.darker(125), 1.0));
    painter.setBrush(wood);
    for (double x = step / 2; x < size.width(); x += step) {
        const double foot = groundAt(x);
        painter.drawRect(QRectF(x - height * 0.08, foot - height, height * 0.16, height * 1.05));
    }
}

// A round-crowned tree of the hedgerows.
void leafyTree(QPainter& painter, QPointF base, double height, QColor trunk, QColor leaves,
               Random& random) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(trunk);
    painter.drawRect(
        QRectF(base.x() - height * 0.04, base.y() - height * 0.5, height * 0.08, height * 0.5));
    for (int clump = 0; clump < 5; ++clump) {
        const QPointF c(base.x() + random.range(-0.22, 0.22) * height,
                        base.y() - height * random.range(0.6, 0.82));
        painter.setBrush(clump % 2 == 0 ? leaves : leaves.lighter(112));
        painter.drawEllipse(c, height * random.range(0.2, 0.28), height * random.range(0.18, 0.24));
    }
}

void farm(QPainter& painter, QSizeF size, int variant, Random& random) {
    const double w = size.width();
    const double h = size.height();
    const double horizon = h * 0.5;
    const bool evening = variant == 1;
    fillGradient(painter, QRectF(0, 0, w, h),
                 evening ? Stops{{0.0, QColor(120, 130, 190)}, {0.5, QColor(255, 200, 150)}}
                         : Stops{{0.0, QColor(110, 175, 235)}, {0.5, QColor(225, 240, 250)}});
    if (evening) {
        sun(painter, QPointF(w * 0.72, horizon - h * 0.07), w * 0.055, QColor(255, 230, 160),
            QColor(255, 170, 110));
        cloud(painter, QPointF(w * 0.3, h * 0.18), w * 0.2, QColor(255, 220, 210, 120), random);
    } else {
        sun(painter, QPointF(w * 0.15, h * 0.13), w * 0.045, QColor(255, 250, 215),
            QColor(255, 240, 170));
        cloud(painter, QPointF(w * 0.45, h * 0.12), w * 0.2, QColor(255, 255, 255, 160), random);
        cloud(painter, QPointF(w * 0.8, h * 0.22), w * 0.15, QColor(255, 255, 255, 130), random);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(evening ? QColor(95, 120, 90) : QColor(120, 165, 100));
    painter.drawPath(ridge(size, horizon - h * 0.02, h * 0.04, random));
    const QColor trunk = evening ? QColor(75, 55, 45) : QColor(100, 75, 50);
    const QColor leaves = evening ? QColor(60, 100, 55) : QColor(70, 130, 60);
    for (double x : {0.05, 0.12, 0.9}) {
        leafyTree(painter, QPointF(w * (evening ? 1.0 - x : x), horizon + h * 0.01), h * 0.12,
                  trunk, leaves, random);
    }
    barn(painter, QPointF(w * (evening ? 0.3 : 0.68), horizon + h * 0.04), w * 0.2, evening);
    painter.setPen(Qt::NoPen);
    const QRectF meadow(0, horizon + h * 0.03, w, h - horizon);
    painter.setBrush(evening ? QColor(120, 150, 70) : QColor(130, 185, 80));
    painter.drawPath(ridge(size, horizon + h * 0.03, h * 0.012, random));
    fillGradient(painter, meadow.adjusted(0, h * 0.02, 0, 0),
                 evening ? Stops{{0.0, QColor(125, 155, 72)}, {1.0, QColor(92, 128, 56)}}
                         : Stops{{0.0, QColor(138, 192, 86)}, {1.0, QColor(98, 158, 64)}});
    for (int patch = 0; patch < 7; ++patch) {
        painter.setBrush(evening ? QColor(200, 170, 80, 26) : QColor(230, 230, 120, 30));
        const double y = horizon + h * random.range(0.1, 0.45);
        painter.drawEllipse(QPointF(w * random.uniform(), y), w * random.range(0.1, 0.25),
                            h * random.range(0.02, 0.05));
    }
    fence(painter, size, horizon + h * 0.14, h * 0.07,
          evening ? QColor(140, 100, 70) : QColor(168, 124, 82));
    grass(painter, meadow, evening ? QColor(110, 145, 60) : QColor(110, 170, 70),
          static_cast<int>(w * 2.5), random);
}

// Each environment's scenes are drawn from their own run of random numbers.
std::uint64_t firstSeed(Environment environment) {
    switch (environment) {
    case Environment::Savanna:
        return 0x5A7A;
    case Environment::Polar:
        return 0x9014;
    case Environment::Farm:
        break;
    }
    return 0xFE53;
}

} // namespace

QImage landscape(Environment environment, int variant, QSize size, std::uint64_t seed) {
    QImage out(size, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    Random random(firstSeed(environment) + variant + 4 * seed);
    switch (environment) {
    case Environment::Savanna:
        savanna(painter, QSizeF(size), variant, random);
        break;
    case Environment::Polar:
        polar(painter, QSizeF(size), variant, random);
        break;
    case Environment::Farm:
        farm(painter, QSizeF(size), variant, random);
        break;
    }
    return out;
}
