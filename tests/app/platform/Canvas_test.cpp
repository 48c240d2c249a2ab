// SPDX-License-Identifier: MIT
#include "app/platform/Bitmap.h"
#include "app/platform/Canvas.h"
#include "support/Fill.h"

#include <QImage>
#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<TColor> Row(TCanvas& canvas, int y) {
    std::vector<TColor> row;
    for (int x = 0; x < canvas.Width(); ++x) {
        row.push_back(canvas.Pixel(x, y));
    }
    return row;
}

struct ModeCase {
    TCopyMode mode;
    TColor expected;
};

class CanvasCopyModesTest : public testing::TestWithParam<ModeCase> {};

TEST_P(CanvasCopyModesTest, ApplyTheirOperationOnTheColourBits) {
    TBitmap dst;
    TBitmap src;
    Fill(dst, 4, 3, 0x0F3C55);
    Fill(src, 4, 3, 0x33AA0F);
    dst.Canvas().CopyMode = GetParam().mode;
    dst.Canvas().Draw(0, 0, src);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(dst.Canvas().Pixel(x, y), GetParam().expected);
            EXPECT_EQ(qAlpha(dst.Image().pixel(x, y)), 255);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Canvas, CanvasCopyModesTest,
                         testing::Values(ModeCase{TCopyMode::SRCCOPY, 0x33AA0F},
                                         ModeCase{TCopyMode::SRCPAINT, 0x0F3C55 | 0x33AA0F},
                                         ModeCase{TCopyMode::SRCAND, 0x0F3C55 & 0x33AA0F},
                                         ModeCase{TCopyMode::SRCINVERT, 0x0F3C55 ^ 0x33AA0F},
                                         ModeCase{TCopyMode::BLACKNESS, clBlack}));

TEST(CanvasTest, CopyRectClipsToBothImagesAndSurvivesAnyRectangle) {
    TBitmap dst;
    TBitmap src;
    Fill(dst, 5, 5, clBlack);
    Fill(src, 3, 3, clWhite);
    dst.Canvas().CopyRect(Rect(3, 3, 6, 6), src.Canvas(), Rect(0, 0, 3, 3));
    EXPECT_EQ(dst.Canvas().Pixel(4, 4), clWhite);
    EXPECT_EQ(dst.Canvas().Pixel(2, 2), clBlack);

    // Source partly outside: the pixels it cannot give are left alone.
    Fill(dst, 5, 5, clBlack);
    dst.Canvas().CopyRect(Rect(0, 0, 4, 4), src.Canvas(), Rect(-1, -1, 3, 3));
    EXPECT_EQ(dst.Canvas().Pixel(0, 0), clBlack);
    EXPECT_EQ(dst.Canvas().Pixel(1, 1), clWhite);
    EXPECT_EQ(dst.Canvas().Pixel(3, 3), clWhite);
    EXPECT_EQ(dst.Canvas().Pixel(4, 4), clBlack);

    Fill(dst, 5, 5, clBlack);
    const TRect odd[] = {Rect(3, 3, 1, 1), Rect(2, 2, 2, 2), Rect(-100, -100, -50, -50),
                         Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX),
                         Rect(INT_MAX - 1, 0, INT_MAX, 5)};
    for (const TRect& r : odd) {
        dst.Canvas().CopyRect(r, src.Canvas(), Rect(0, 0, 3, 3));
        dst.Canvas().CopyRect(Rect(0, 0, 1, 1), src.Canvas(), r);
        dst.Canvas().FillRect(r);
        dst.Canvas().MoveTo(r.Left, r.Top);
        dst.Canvas().LineTo(r.Right, r.Bottom);
    }
    EXPECT_EQ(dst.Width(), 5);
}

TEST(CanvasTest, HugeRectangleCopiesWhatFits) {
    TBitmap dst;
    TBitmap src;
    Fill(dst, 4, 4, clBlack);
    Fill(src, 4, 4, 0x123456);
    dst.Canvas().CopyRect(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), src.Canvas(),
                          Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX));
    EXPECT_EQ(dst.Canvas().Pixel(0, 0), 0x123456u);
}

TEST(CanvasTest, CopyOntoItselfHandlesOverlap) {
    TBitmap bitmap;
    bitmap.SetSize(4, 1);
    for (int x = 0; x < 4; ++x) {
        bitmap.Image().setPixel(x, 0, 0xFF000000u | TColor(x + 1));
    }
    bitmap.Canvas().CopyRect(Rect(1, 0, 4, 1), bitmap.Canvas(), Rect(0, 0, 3, 1));
    EXPECT_EQ(Row(bitmap.Canvas(), 0), (std::vector<TColor>{1, 1, 2, 3}));

    bitmap.Canvas().CopyMode = TCopyMode::BLACKNESS;
    bitmap.Canvas().CopyRect(Rect(0, 0, 4, 1), bitmap.Canvas(), Rect(0, 0, 4, 1));
    EXPECT_EQ(Row(bitmap.Canvas(), 0), (std::vector<TColor>{0, 0, 0, 0}));
}

TEST(CanvasTest, CopyRectStretchesByNearestNeighbour) {
    TBitmap src;
    src.SetSize(2, 1);
    src.Image().setPixel(0, 0, qRgb(255, 0, 0));
    src.Image().setPixel(1, 0, qRgb(0, 0, 255));
    TBitmap dst;
    Fill(dst, 4, 2, clBlack);
    dst.Canvas().CopyRect(Rect(0, 0, 4, 2), src.Canvas(), Rect(0, 0, 2, 1));
    const std::vector<TColor> expected{0xFF0000, 0xFF0000, 0x0000FF, 0x0000FF};
    EXPECT_EQ(Row(dst.Canvas(), 0), expected);
    EXPECT_EQ(Row(dst.Canvas(), 1), expected);

    TBitmap small;
    Fill(small, 2, 1, clWhite);
    small.Canvas().CopyRect(Rect(0, 0, 2, 1), dst.Canvas(), Rect(0, 0, 4, 2));
    EXPECT_EQ(Row(small.Canvas(), 0), (std::vector<TColor>{0xFF0000, 0x0000FF}));
}

TEST(CanvasTest, BrushCopyReplacesOneColourEvenOnItsOwnCanvas) {
    TBitmap bitmap;
    bitmap.SetSize(3, 1);
    bitmap.Image().setPixel(0, 0, qRgb(0, 0, 0));
    bitmap.Image().setPixel(1, 0, qRgb(1, 0, 0));
    bitmap.Image().setPixel(2, 0, qRgb(0, 0, 0));
    bitmap.Canvas().Brush.Color = clWhite;
    bitmap.Canvas().CopyMode = TCopyMode::SRCAND; // not taken into account
    bitmap.Canvas().BrushCopy(Rect(0, 0, 3, 1), bitmap, Rect(0, 0, 3, 1), clBlack);
    EXPECT_EQ(Row(bitmap.Canvas(), 0), (std::vector<TColor>{clWhite, 0x010000, clWhite}));
}

TEST(CanvasTest, ReadsAnEightBitSourceAndTurnsAnEightBitTargetIntoTwentyFourBits) {
    QImage indexed(2, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 20, 30), qRgb(200, 100, 50)});
    indexed.setPixel(0, 0, 1);
    indexed.setPixel(1, 0, 0);
    TBitmap eight;
    eight.Assign(indexed);
    ASSERT_EQ(eight.PixelFormat(), TPixelFormat::pf8bit);

    TBitmap dst;
    Fill(dst, 2, 1, clBlack);
    dst.Canvas().Draw(0, 0, eight);
    EXPECT_EQ(Row(dst.Canvas(), 0), (std::vector<TColor>{RGB(200, 100, 50), RGB(10, 20, 30)}));
    EXPECT_EQ(eight.PixelFormat(), TPixelFormat::pf8bit);

    eight.Canvas().Brush.Color = RGB(1, 2, 3);
    eight.Canvas().FillRect(Rect(1, 0, 2, 1));
    EXPECT_EQ(eight.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(Row(eight.Canvas(), 0), (std::vector<TColor>{RGB(200, 100, 50), RGB(1, 2, 3)}));
}

TEST(CanvasTest, LineToLeavesOutItsEndPoint) {
    TBitmap bitmap;
    Fill(bitmap, 5, 5, clBlack);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen.Color = clWhite;
    canvas.MoveTo(1, 2);
    canvas.LineTo(4, 2);
    EXPECT_EQ(Row(canvas, 2), (std::vector<TColor>{0, clWhite, clWhite, clWhite, 0}));

    canvas.LineTo(4, 0); // goes on from the last end point, upwards
    EXPECT_EQ(canvas.Pixel(4, 2), clWhite);
    EXPECT_EQ(canvas.Pixel(4, 1), clWhite);
    EXPECT_EQ(canvas.Pixel(4, 0), clBlack);

    Fill(bitmap, 5, 5, clBlack);
    canvas.MoveTo(0, 0);
    canvas.LineTo(4, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(canvas.Pixel(i, i), clWhite);
    }
    EXPECT_EQ(canvas.Pixel(4, 4), clBlack);

    Fill(bitmap, 5, 5, clBlack);
    canvas.Pen.Style = TPenStyle::psClear;
    canvas.MoveTo(0, 0);
    canvas.LineTo(5, 0);
    EXPECT_EQ(canvas.Pixel(0, 0), clBlack);
}

TEST(CanvasTest, LongLinesAreClippedNotWalked) {
    TBitmap bitmap;
    Fill(bitmap, 3, 3, clBlack);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen.Color = clWhite;
    canvas.MoveTo(INT_MIN, 1);
    canvas.LineTo(INT_MAX, 1);
    EXPECT_EQ(Row(canvas, 1), (std::vector<TColor>{clWhite, clWhite, clWhite}));
    EXPECT_EQ(Row(canvas, 0), (std::vector<TColor>{0, 0, 0}));
}

TEST(CanvasTest, WidePensCoverTheirSquareAtEveryPointOfStraightLines) {
    TBitmap bitmap;
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen.Color = clWhite;
    canvas.Pen.Width = 3;
    // Points (1, 0) to (4, 0), then (6, 5) up to (6, 2): squares of 3 around each, clipped.
    Fill(bitmap, 8, 7, clBlack);
    canvas.MoveTo(1, 0);
    canvas.LineTo(5, 0);
    canvas.MoveTo(6, 5);
    canvas.LineTo(6, 1);
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool horizontal = x <= 5 && y <= 1;
            const bool vertical = x >= 5 && y >= 1 && y <= 6;
            EXPECT_EQ(canvas.Pixel(x, y), horizontal || vertical ? clWhite : clBlack)
                << x << "," << y;
        }
    }
}

// A whole-surface fill is written only when needed: every way of reaching the pixels later
// must see it.
TEST(CanvasTest, AWholeFillIsSeenByEveryLaterReader) {
    constexpr TColor kRed = 0x0000FF;
    const auto filled = [](TBitmap& bitmap) {
        Fill(bitmap, 4, 3, clBlack);
        bitmap.Canvas().Brush.Color = kRed;
        bitmap.Canvas().FillRect(Rect(-1, -1, 9, 9));
    };
    TBitmap bitmap;
    filled(bitmap);
    EXPECT_EQ(bitmap.Image().pixel(3, 2) & 0xFFFFFFu, kRed);

    filled(bitmap);
    bitmap.Canvas().Pen.Color = clWhite;
    bitmap.Canvas().MoveTo(0, 0);
    bitmap.Canvas().LineTo(2, 0);
    EXPECT_EQ(Row(bitmap.Canvas(), 0), (std::vector<TColor>{clWhite, clWhite, kRed, kRed}));
    EXPECT_EQ(Row(bitmap.Canvas(), 2), (std::vector<TColor>{kRed, kRed, kRed, kRed}));

    filled(bitmap);
    TBitmap copy;
    copy.Assign(bitmap);
    EXPECT_EQ(copy.Canvas().Pixel(1, 1), kRed);

    filled(bitmap);
    TBitmap target;
    Fill(target, 4, 3, clBlack);
    target.Canvas().CopyMode = TCopyMode::SRCPAINT;
    target.Canvas().Draw(0, 0, bitmap);
    EXPECT_EQ(target.Canvas().Pixel(3, 0), kRed);

    filled(bitmap);
    bitmap.SetSize(5, 3);
    EXPECT_EQ(Row(bitmap.Canvas(), 1), (std::vector<TColor>{kRed, kRed, kRed, kRed, clBlack}));

    // Covered whole by a copy, or blackened whole: the fill is gone.
    filled(bitmap);
    TBitmap green;
    Fill(green, 4, 3, 0x00FF00);
    bitmap.Canvas().Draw(0, 0, green);
    EXPECT_EQ(Row(bitmap.Canvas(), 1), (std::vector<TColor>(4, 0x00FF00)));
    filled(bitmap);
    bitmap.Canvas().CopyMode = TCopyMode::BLACKNESS;
    bitmap.Canvas().CopyRect(Rect(0, 0, 4, 3), bitmap.Canvas(), Rect(0, 0, 4, 3));
    EXPECT_EQ(Row(bitmap.Canvas(), 1), (std::vector<TColor>(4, clBlack)));
}

TEST(CanvasTest, AClearBrushFillsNothing) {
    TBitmap bitmap;
    Fill(bitmap, 6, 6, clBlack);
    bitmap.Canvas().Brush.Style = TBrushStyle::bsClear;
    bitmap.Canvas().FillRect(Rect(0, 0, 6, 6));
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clBlack);
}

TEST(CanvasTest, ReportsTheClippedRectangleItTouched) {
    QImage image(10, 10, QImage::Format_RGB32);
    std::vector<QRect> changes;
    TCanvas canvas([&]() -> QImage& { return image; },
                   [&](const QRect& rect) { changes.push_back(rect); });
    canvas.FillRect(Rect(-5, 8, 3, 20));
    canvas.FillRect(Rect(20, 20, 30, 30));
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], QRect(0, 8, 3, 2));
}

} // namespace
