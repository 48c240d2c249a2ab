// SPDX-License-Identifier: MIT
// A drawing surface with the copy modes and line conventions of the Windows graphics interface.
#pragma once

#include "app/platform/Color.h"
#include "app/platform/Rect.h"

#include <QRect>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

class QImage;
class TBitmap;

enum class TCopyMode { SRCCOPY, SRCPAINT, SRCAND, SRCINVERT, BLACKNESS };
enum class TPenStyle { psSolid, psClear };
enum class TBrushStyle { bsSolid, bsClear };

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = TPenStyle::psSolid;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;
};

// Draws on an image owned elsewhere (a bitmap's, or a paint box's screen surface).
// Results are exact per pixel on the colour bits; drawing outside the image is clipped.
class TCanvas {
public:
    using SurfaceFn = std::function<QImage&()>;
    using ChangedFn = std::function<void(const QRect&)>;

    // surface: returns the image to draw on (it may be reallocated between calls).
    // changed: told of every rectangle a drawing touched, already clipped; may be empty.
    explicit TCanvas(SurfaceFn surface, ChangedFn changed = {});

    TCopyMode CopyMode = TCopyMode::SRCCOPY;
    TPen Pen;
    TBrush Brush;

    // Copies Source of canvas onto Dest with CopyMode, stretching when the sizes differ.
    void CopyRect(const TRect& Dest, TCanvas& Canvas, const TRect& Source);
    // Copies the whole bitmap with its top-left corner at (X, Y), with CopyMode.
    void Draw(int X, int Y, TBitmap& Graphic);
    // Copies Source of Bitmap onto Dest, putting Brush.Color in place of the pixels of Color.
    void BrushCopy(const TRect& Dest, TBitmap& Bitmap, const TRect& Source, TColor Color);
    // Fills Rect with the brush (nothing when the brush is clear).
    void FillRect(const TRect& Rect);
    // Fills the whole surface with color, whatever the brush.
    void Fill(TColor color);
    void MoveTo(int X, int Y);
    // Draws from the pen position to (X, Y), leaving out (X, Y) itself.
    void LineTo(int X, int Y);

    TColor Pixel(int X, int Y) const; // clBlack outside the surface
    int Width() const;
    int Height() const;
    // The surface with every pixel written.
    QImage& Surface() const;
    // A fill of the whole surface is only recorded, and written into the pixels when they are
    // read (Surface) or partly drawn over; a copy over the whole surface makes it unneeded.
    // Owners of the surface call this before they read or hand out its pixels themselves.
    void WritePending() const;

private:
    struct PendingFill {
        qint64 key; // the image's cacheKey() when the fill was recorded
        std::uint32_t value;
    };

    QImage& Converted(); // the surface turned into a 32-bit image, a pending fill left pending
    QImage& Target();    // the same with every pixel written, to be drawn on in part
    void Copy(const TRect& Dest, TCanvas& Canvas, const TRect& Source, TCopyMode mode,
              std::optional<std::pair<TColor, TColor>> replace);
    void Changed(const QRect& rect);
    QRect PenSquare(std::int64_t x, std::int64_t y) const;
    QRect DrawLine(int x0, int y0, int x1, int y1);

    SurfaceFn surface_;
    ChangedFn changed_;
    mutable std::optional<PendingFill> pending_;
    int penX_ = 0;
    int penY_ = 0;
};
