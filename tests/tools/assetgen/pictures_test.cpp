// SPDX-License-Identifier: MIT
#include "Bird.h"
#include "Pictures.h"
#include "game/Catalogue.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

// Transparent art: an opaque pure-black square with a soft half-transparent red border.
QImage squareArt() {
    QImage art(20, 20, QImage::Format_ARGB32_Premultiplied);
    art.fill(Qt::transparent);
    QPainter painter(&art);
    painter.fillRect(QRect(4, 4, 12, 12), QColor(255, 0, 0, 128));
    painter.fillRect(QRect(6, 6, 8, 8), Qt::black);
    return art;
}

TEST(PicturesStickerTest, LiftsBlackArtOffTheTransparentColourAndKeepsTheOutsideBlack) {
    const QImage sprite = sticker(squareArt(), 2);
    ASSERT_EQ(sprite.size(), QSize(20 + 2 * 4, 20 + 2 * 4));
    EXPECT_EQ(sprite.format(), QImage::Format_RGB32);
    const int shift = 4;
    EXPECT_EQ(sprite.pixel(10 + shift, 10 + shift), qRgb(8, 8, 8));
    EXPECT_TRUE(isTransparentColour(sprite.pixel(0, 0)));
    EXPECT_TRUE(isTransparentColour(sprite.pixel(1 + shift, 10 + shift)));
    // The half-transparent border is laid on the light rim, not on black.
    const QRgb border = sprite.pixel(4 + shift, 10 + shift);
    EXPECT_EQ(qRed(border), 255);
    EXPECT_GT(qGreen(border), 100);
    // The rim reaches two pixels beyond the art.
    EXPECT_FALSE(isTransparentColour(sprite.pixel(2 + shift, 10 + shift)));
}

TEST(PicturesStickerTest, CropKeepsAMarginOfTransparentBlack) {
    const QImage cropped = cropToArt(sticker(squareArt(), 2));
    EXPECT_EQ(cropped.size(), QSize(12 + 2 * 2 + 2 * 2, 12 + 2 * 2 + 2 * 2));
    EXPECT_TRUE(isTransparentColour(cropped.pixel(0, 0)));
    EXPECT_TRUE(isTransparentColour(cropped.pixel(1, 8)));
    EXPECT_FALSE(isTransparentColour(cropped.pixel(2, 8)));

    QImage black(5, 5, QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(cropToArt(black), black) << "nothing to crop to";
}

TEST(PicturesCutOutTest, SceneryIsCutAwayAndTheRestFitsItsSquare) {
    QImage art = squareArt();
    cutAway(art, QPolygon(QList<QPoint>{{0, 10}, {20, 10}, {20, 20}, {0, 20}}));
    EXPECT_EQ(qAlpha(art.pixel(10, 12)), 0);
    EXPECT_EQ(opaqueBounds(art), QRect(4, 4, 12, 6));
    EXPECT_EQ(fitted(art, 24).size(), QSize(24, 12));
}

TEST(PicturesRecolourTest, ChangesColoursAndKeepsTransparency) {
    QImage art = squareArt();
    recolour(art, [](const QColor&) { return QColor(0, 0, 255); });
    EXPECT_EQ(qAlpha(art.pixel(0, 0)), 0);
    EXPECT_EQ(art.pixel(10, 10), qRgb(0, 0, 255));
    const QColor border = QColor::fromRgba(art.convertToFormat(QImage::Format_ARGB32).pixel(4, 10));
    EXPECT_EQ(border.alpha(), 128);
    EXPECT_EQ(border.blue(), 255);
}

TEST(PicturesBirdTest, FlightFramesAreExactlyTheFlightAreaWithWingsMoving) {
    for (int number = 2; number <= 6; ++number) {
        EXPECT_EQ(flightFrame(number).size(), QSize(kLargeurVol, kHauteurVol));
    }
    // Wings lowest in 02, highest in 06: the top rows are empty only when the wings are down.
    auto topRowUsed = [](const QImage& frame) {
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                if (!isTransparentColour(frame.pixel(x, y))) {
                    return y;
                }
            }
        }
        return frame.height();
    };
    EXPECT_LT(topRowUsed(flightFrame(6)), topRowUsed(flightFrame(2)));
}

} // namespace
