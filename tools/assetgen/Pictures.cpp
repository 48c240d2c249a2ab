// SPDX-License-Identifier: MIT
#include "Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {

// The rim goes around every pixel of the art more than a quarter opaque: fainter ones, laid on
// the rim, stay light where they meet the transparent black.
constexpr int kShows = 64;
constexpr int kMargin = 2;
const QRgb kNearBlack = qRgb(8, 8, 8);

// Grey-scale dilation of the alpha channel by a disc: the outline of a sticker.
std::vector<int> spreadAlpha(const QImage& art, int radius) {
    const int w = art.width();
    const int h = art.height();
    std::vector<int> alpha(static_cast<std::size_t>(w * h));
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(art.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            alpha[static_cast<std::size_t>(y * w + x)] = qAlpha(line[x]);
        }
    }
    std::vector<int> spread(alpha.size(), 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int best = 0;
            for (int dy = -radius; dy <= radius; ++dy) {
                for (int dx = -radius; dx <= radius; ++dx) {
                    const int sx = x + dx;
                    const int sy = y + dy;
                    if (dx * dx + dy * dy <= radius * radius && sx >= 0 && sy >= 0 && sx < w &&
                        sy < h) {
                        best = std::max(best, alpha[static_cast<std::size_t>(sy * w + sx)]);
                    }
                }
            }
            spread[static_cast<std::size_t>(y * w + x)] = best;
        }
    }
    return spread;
}

QImage rendered(QSvgRenderer& renderer, const QString& name, int size) {
    if (!renderer.isValid()) {
        throw std::runtime_error("cannot read the drawing " + name.toStdString());
    }
    QImage out(size, size, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    return out;
}

} // namespace

QImage renderSvg(const QString& path, int size) {
    QSvgRenderer renderer(path);
    return rendered(renderer, path, size);
}

QImage renderSvgDocument(const QByteArray& svg, const QString& name, int size) {
    QSvgRenderer renderer(svg);
    return rendered(renderer, name, size);
}

QRect opaqueBounds(const QImage& art) {
    QRect bounds;
    for (int y = 0; y < art.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(art.constScanLine(y));
        for (int x = 0; x < art.width(); ++x) {
            if (qAlpha(line[x]) > 0) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

QImage fitted(const QImage& art, int size) {
    return art.copy(opaqueBounds(art))
        .scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void cutAway(QImage& art, const QPolygon& area) {
    QPainter painter(&art);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(area);
}

void recolour(QImage& art, const std::function<QColor(const QColor&)>& change) {
    art = art.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < art.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(art.scanLine(y));
        for (int x = 0; x < art.width(); ++x) {
            if (qAlpha(line[x]) == 0) {
                continue;
            }
            QColor colour = change(QColor::fromRgb(line[x]));
            colour.setAlpha(qAlpha(line[x]));
            line[x] = colour.rgba();
        }
    }
    art = art.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage sticker(const QImage& art, int rim, QColor rimColour) {
    const int pad = rim + kMargin;
    QImage padded(art.width() + 2 * pad, art.height() + 2 * pad,
                  QImage::Format_ARGB32_Premultiplied);
    padded.fill(Qt::transparent);
    {
        QPainter painter(&padded);
        painter.drawImage(pad, pad, art);
    }
    const std::vector<int> outline = spreadAlpha(padded, rim);

    const int w = padded.width();
    QImage out(padded.size(), QImage::Format_RGB32);
    for (int y = 0; y < padded.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(padded.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (outline[static_cast<std::size_t>(y * w + x)] < kShows) {
                line[x] = qRgb(0, 0, 0);
                continue;
            }
            // Premultiplied art over the rim colour.
            const int cover = 255 - qAlpha(in[x]);
            const QRgb pixel = qRgb(qRed(in[x]) + rimColour.red() * cover / 255,
                                    qGreen(in[x]) + rimColour.green() * cover / 255,
                                    qBlue(in[x]) + rimColour.blue() * cover / 255);
            line[x] = isTransparentColour(pixel) ? kNearBlack : pixel;
        }
    }
    return out;
}

QImage cropToArt(const QImage& picture) {
    int left = picture.width(), top = picture.height(), right = -1, bottom = -1;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (!isTransparentColour(line[x])) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        return picture;
    }
    return picture.copy(QRect(QPoint(left, top), QPoint(right, bottom))
                            .adjusted(-kMargin, -kMargin, kMargin, kMargin));
}

bool isTransparentColour(QRgb pixel) {
    return (pixel & 0x00FFFFFF) == 0;
}
