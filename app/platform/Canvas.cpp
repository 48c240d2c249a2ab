// SPDX-License-Identifier: MIT
#include "app/platform/Canvas.h"

#include "app/platform/Bitmap.h"

#include <QImage>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

bool IsDirect32(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32;
}

template <TCopyMode Mode> void ApplyRow(std::uint32_t* dst, const std::uint32_t* src, int count) {
    for (int i = 0; i < count; ++i) {
        if constexpr (Mode == TCopyMode::SRCCOPY) {
            dst[i] = src[i] | kOpaque;
        } else if constexpr (Mode == TCopyMode::SRCPAINT) {
            dst[i] = dst[i] | src[i] | kOpaque;
        } else if constexpr (Mode == TCopyMode::SRCAND) {
            dst[i] = (dst[i] & src[i]) | kOpaque;
        } else if constexpr (Mode == TCopyMode::SRCINVERT) {
            dst[i] = (dst[i] ^ src[i]) | kOpaque;
        } else {
            dst[i] = kOpaque;
        }
    }
}

void ApplyRow(TCopyMode mode, std::uint32_t* dst, const std::uint32_t* src, int count) {
    switch (mode) {
    case TCopyMode::SRCCOPY:
        ApplyRow<TCopyMode::SRCCOPY>(dst, src, count);
        break;
    case TCopyMode::SRCPAINT:
        ApplyRow<TCopyMode::SRCPAINT>(dst, src, count);
        break;
    case TCopyMode::SRCAND:
        ApplyRow<TCopyMode::SRCAND>(dst, src, count);
        break;
    case TCopyMode::SRCINVERT:
        ApplyRow<TCopyMode::SRCINVERT>(dst, src, count);
        break;
    case TCopyMode::BLACKNESS:
        ApplyRow<TCopyMode::BLACKNESS>(dst, src, count);
        break;
    }
}

// Maps the destination span [d0, d0 + dn) onto the source span [s0, s0 + sn) by nearest
// neighbour and keeps the destination indexes that land inside both [0, dLimit) and
// [0, sLimit): count of them from first, mapped to consecutive sources from sourceFirst, or,
// when stretching, to stretched[i].
struct AxisMap {
    int first = 0;
    int count = 0;
    int sourceFirst = 0;
    std::vector<int> stretched;

    int Source(int i) const { return stretched.empty() ? sourceFirst + i : stretched[i]; }
    // Sources one after the other, as a plain copy reads them.
    bool Consecutive() const {
        return stretched.empty() || stretched.back() - stretched.front() + 1 == count;
    }
};

AxisMap MapAxis(std::int64_t d0, std::int64_t dn, std::int64_t s0, std::int64_t sn, int dLimit,
                int sLimit) {
    AxisMap map;
    if (dn == sn) {
        // One to one, the common case: no per-pixel table.
        const std::int64_t lo = std::max<std::int64_t>({d0, 0, d0 - s0});
        const std::int64_t hi = std::min<std::int64_t>({d0 + dn, dLimit, d0 - s0 + sLimit});
        if (lo < hi) {
            map.first = int(lo);
            map.count = int(hi - lo);
            map.sourceFirst = int(s0 + (lo - d0));
        }
        return map;
    }
    const std::int64_t lo = std::max<std::int64_t>(d0, 0);
    const std::int64_t hi = std::min<std::int64_t>(d0 + dn, dLimit);
    for (std::int64_t d = lo; d < hi; ++d) {
        const auto s = std::int64_t(s0 + __int128(d - d0) * sn / dn);
        if (s < 0 || s >= sLimit) {
            if (!map.stretched.empty()) {
                break; // the mapping is monotonic: nothing further lands inside
            }
            continue;
        }
        if (map.stretched.empty()) {
            map.first = int(d);
        }
        map.stretched.push_back(int(s));
    }
    map.count = int(map.stretched.size());
    return map;
}

QRect ClipToImage(const QImage& image, std::int64_t left, std::int64_t top, std::int64_t right,
                  std::int64_t bottom) {
    const std::int64_t l = std::max<std::int64_t>(left, 0);
    const std::int64_t t = std::max<std::int64_t>(top, 0);
    const std::int64_t r = std::min<std::int64_t>(right, image.width());
    const std::int64_t b = std::min<std::int64_t>(bottom, image.height());
    if (l >= r || t >= b) {
        return {};
    }
    return QRect(int(l), int(t), int(r - l), int(b - t));
}

void FillClipped(QImage& image, const QRect& rect, TColor color) {
    const std::uint32_t value = color | kOpaque;
    uchar* const pixels = image.bits(); // detaches once, not at every row
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        auto* row =
            reinterpret_cast<std::uint32_t*>(pixels + y * image.bytesPerLine()) + rect.left();
        std::fill(row, row + rect.width(), value);
    }
}

// Where a copy of source onto dest lands, stretched by nearest neighbour and clipped to both
// images: the destination pixels touched and the source pixel of each.
struct BlitPlan {
    AxisMap cols;
    AxisMap rows;
    QRect touched; // empty when nothing lands
};

BlitPlan PlanBlit(const QImage& dst, const TRect& dest, const QImage& src, const TRect& source) {
    BlitPlan plan;
    const std::int64_t dw = std::int64_t(dest.Right) - dest.Left;
    const std::int64_t dh = std::int64_t(dest.Bottom) - dest.Top;
    const std::int64_t sw = std::int64_t(source.Right) - source.Left;
    const std::int64_t sh = std::int64_t(source.Bottom) - source.Top;
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) {
        return plan;
    }
    plan.cols = MapAxis(dest.Left, dw, source.Left, sw, dst.width(), src.width());
    plan.rows = MapAxis(dest.Top, dh, source.Top, sh, dst.height(), src.height());
    if (plan.cols.count > 0 && plan.rows.count > 0) {
        plan.touched = QRect(plan.cols.first, plan.rows.first, plan.cols.count, plan.rows.count);
    }
    return plan;
}

// Runs a non-empty plan with mode. replace, when given, swaps one source colour for another
// before the copy.
void Blit(QImage& dst, const BlitPlan& plan, const QImage& src, TCopyMode mode,
          std::optional<std::pair<TColor, TColor>> replace) {
    const AxisMap& cols = plan.cols;
    const AxisMap& rows = plan.rows;
    const QRect& touched = plan.touched;
    if (mode == TCopyMode::BLACKNESS) {
        FillClipped(dst, touched, clBlack);
        return;
    }

    // Work on a 32-bit view of the source part; a private copy when the source is in another
    // format or shares its pixels with the destination (a canvas copied onto itself).
    const int sourceLeft = cols.Source(0);
    const QRect part(sourceLeft, rows.Source(0), cols.Source(cols.count - 1) - sourceLeft + 1,
                     rows.Source(rows.count - 1) - rows.Source(0) + 1);
    uchar* const dstPixels = dst.bits(); // detach first: sharing below means the same pixels
    QImage copy;
    const QImage* view = &src;
    QPoint origin(0, 0);
    if (!IsDirect32(src.format()) || src.constBits() == dst.constBits()) {
        copy = src.copy(part).convertToFormat(QImage::Format_RGB32);
        view = &copy;
        origin = part.topLeft();
    }

    const bool straight = !replace && cols.Consecutive();
    std::vector<std::uint32_t> gathered(straight ? 0 : std::size_t(cols.count));
    const int count = touched.width();
    for (int i = 0; i < touched.height(); ++i) {
        const auto* srow = reinterpret_cast<const std::uint32_t*>(
            view->constScanLine(rows.Source(i) - origin.y()));
        auto* drow =
            reinterpret_cast<std::uint32_t*>(dstPixels + (touched.top() + i) * dst.bytesPerLine()) +
            touched.left();
        const std::uint32_t* line = srow + (sourceLeft - origin.x());
        if (!straight) {
            for (int x = 0; x < count; ++x) {
                std::uint32_t pixel = srow[cols.Source(x) - origin.x()];
                if (replace && (pixel & 0xFFFFFFu) == replace->first) {
                    pixel = replace->second;
                }
                gathered[x] = pixel;
            }
            line = gathered.data();
        }
        ApplyRow(mode, drow, line, count);
    }
}

} // namespace

TCanvas::TCanvas(SurfaceFn surface, ChangedFn changed)
    : surface_(std::move(surface)), changed_(std::move(changed)) {}

QImage& TCanvas::Surface() const {
    WritePending();
    return surface_();
}

int TCanvas::Width() const {
    return surface_().width();
}

int TCanvas::Height() const {
    return surface_().height();
}

TColor TCanvas::Pixel(int X, int Y) const {
    const QImage& image = Surface();
    if (!image.valid(X, Y)) {
        return clBlack;
    }
    return image.pixel(X, Y) & 0xFFFFFFu;
}

void TCanvas::Fill(TColor color) {
    QImage& image = Converted();
    if (image.isNull()) {
        return;
    }
    pending_ = PendingFill{image.cacheKey(), color | kOpaque};
    Changed(image.rect());
}

void TCanvas::WritePending() const {
    if (!pending_) {
        return;
    }
    const PendingFill fill = *pending_;
    pending_.reset();
    QImage& image = surface_();
    // An image replaced since the fill was recorded has pixels of its own.
    if (image.cacheKey() == fill.key) {
        FillClipped(image, image.rect(), fill.value);
    }
}

QImage& TCanvas::Converted() {
    QImage& image = surface_();
    if (image.format() != QImage::Format_RGB32 && !image.isNull()) {
        WritePending();
        image = image.convertToFormat(QImage::Format_RGB32);
    }
    return image;
}

QImage& TCanvas::Target() {
    QImage& image = Converted();
    WritePending();
    return image;
}

void TCanvas::Changed(const QRect& rect) {
    if (changed_ && !rect.isEmpty()) {
        changed_(rect);
    }
}

void TCanvas::Copy(const TRect& Dest, TCanvas& Canvas, const TRect& Source, TCopyMode mode,
                   std::optional<std::pair<TColor, TColor>> replace) {
    QImage& dst = Converted();
    const QImage& src = Canvas.Surface();
    const BlitPlan plan = PlanBlit(dst, Dest, src, Source);
    if (plan.touched.isEmpty()) {
        return;
    }
    const bool whole = plan.touched == dst.rect();
    if (whole && mode == TCopyMode::BLACKNESS) {
        Fill(clBlack);
        return;
    }
    if (whole && mode == TCopyMode::SRCCOPY) {
        pending_.reset(); // every pixel is about to be written
    } else {
        WritePending();
    }
    Blit(dst, plan, src, mode, replace);
    Changed(plan.touched);
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas& Canvas, const TRect& Source) {
    Copy(Dest, Canvas, Source, CopyMode, std::nullopt);
}

void TCanvas::Draw(int X, int Y, TBitmap& Graphic) {
    const int w = Graphic.Width();
    const int h = Graphic.Height();
    auto end = [](int start, int size) {
        return int(std::min<std::int64_t>(std::int64_t(start) + size, INT32_MAX));
    };
    CopyRect(TRect{X, Y, end(X, w), end(Y, h)}, Graphic.Canvas(), TRect{0, 0, w, h});
}

void TCanvas::BrushCopy(const TRect& Dest, TBitmap& Bitmap, const TRect& Source, TColor Color) {
    Copy(Dest, Bitmap.Canvas(), Source, TCopyMode::SRCCOPY,
         std::pair{Color & 0xFFFFFFu, Brush.Color & 0xFFFFFFu});
}

void TCanvas::FillRect(const TRect& Rect) {
    if (Brush.Style == TBrushStyle::bsClear) {
        return;
    }
    QImage& dst = Converted();
    const QRect rect = ClipToImage(dst, Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
    if (rect.isEmpty()) {
        return;
    }
    if (rect == dst.rect()) {
        Fill(Brush.Color);
        return;
    }
    WritePending();
    FillClipped(dst, rect, Brush.Color);
    Changed(rect);
}

void TCanvas::MoveTo(int X, int Y) {
    penX_ = X;
    penY_ = Y;
}

void TCanvas::LineTo(int X, int Y) {
    if (Pen.Style != TPenStyle::psClear) {
        Changed(DrawLine(penX_, penY_, X, Y));
    }
    MoveTo(X, Y);
}

// A pen of width w covers a w x w square centred on each point of the line.
QRect TCanvas::PenSquare(std::int64_t x, std::int64_t y) const {
    const int w = std::max(Pen.Width, 1);
    const std::int64_t left = x - (w - 1) / 2;
    const std::int64_t top = y - (w - 1) / 2;
    return ClipToImage(surface_(), left, top, left + w, top + w);
}

// Bresenham's line from (x0, y0) up to, but not including, (x1, y1); the steps along the main
// axis that cannot reach the surface are skipped, so any coordinates are cheap.
QRect TCanvas::DrawLine(int x0, int y0, int x1, int y1) {
    QImage& dst = Target();
    if (dst.isNull()) {
        return {};
    }
    const std::int64_t dx = std::int64_t(x1) - x0;
    const std::int64_t dy = std::int64_t(y1) - y0;
    const bool alongX = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    const std::int64_t major = alongX ? dx : dy;
    const std::int64_t minor = alongX ? dy : dx;
    const std::int64_t steps = major < 0 ? -major : major;
    if (steps == 0) {
        return {};
    }
    const std::int64_t majorSign = major < 0 ? -1 : 1;
    const std::int64_t minorAbs = minor < 0 ? -minor : minor;
    const std::int64_t minorSign = minor < 0 ? -1 : 1;
    const std::int64_t start = alongX ? x0 : y0;
    const std::int64_t limit = alongX ? dst.width() : dst.height();
    const int reach = std::max(Pen.Width, 1);

    // Steps whose main coordinate lies within reach of [0, limit).
    std::int64_t first = 0;
    std::int64_t last = steps - 1;
    const std::int64_t lowEdge = -reach;
    const std::int64_t highEdge = limit + reach;
    auto stepOf = [&](std::int64_t coordinate) { return (coordinate - start) * majorSign; };
    if (majorSign > 0) {
        first = std::max(first, stepOf(lowEdge));
        last = std::min(last, stepOf(highEdge));
    } else {
        first = std::max(first, stepOf(highEdge));
        last = std::min(last, stepOf(lowEdge));
    }

    if (minorAbs == 0 && first <= last) {
        // Straight along an axis: the pen's squares make one rectangle.
        const std::int64_t a0 = start + majorSign * first;
        const std::int64_t a1 = start + majorSign * last;
        const std::int64_t b = alongX ? y0 : x0;
        const std::int64_t lo = std::min(a0, a1) - (reach - 1) / 2;
        const std::int64_t hi = std::max(a0, a1) - (reach - 1) / 2 + reach;
        const std::int64_t side = b - (reach - 1) / 2;
        const QRect band = alongX ? ClipToImage(dst, lo, side, hi, side + reach)
                                  : ClipToImage(dst, side, lo, side + reach, hi);
        if (!band.isEmpty()) {
            FillClipped(dst, band, Pen.Color);
        }
        return band;
    }

    QRect touched;
    for (std::int64_t i = first; i <= last; ++i) {
        const std::int64_t a = start + majorSign * i;
        // The product needs more than 64 bits for lines across the whole coordinate range.
        const auto offset =
            std::int64_t((__int128(2) * i * minorAbs + steps) / (__int128(2) * steps));
        const std::int64_t b = (alongX ? y0 : x0) + minorSign * offset;
        const QRect square = alongX ? PenSquare(a, b) : PenSquare(b, a);
        if (square.isEmpty()) {
            continue;
        }
        FillClipped(dst, square, Pen.Color);
        touched |= square;
    }
    return touched;
}
