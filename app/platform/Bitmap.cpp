// SPDX-License-Identifier: MIT
#include "app/platform/Bitmap.h"

#include "app/platform/Errors.h"

#include <QImageReader>
#include <QString>
#include <algorithm>
#include <cstdint>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

#ifdef __GLIBC__
// Bitmaps of the window's size are made and released at every paint. By default the C library
// hands such blocks back to the system when they are released and maps them again at the next
// paint, a page fault every 4 KiB; kept in the heap, the next bitmap reuses them at once.
[[maybe_unused]] const bool kMemoryKept = [] {
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
    return true;
}();
#endif

// A hostile file must not make us allocate gigabytes.
constexpr int kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = 100'000'000;

QImage::Format QtFormat(TPixelFormat format) {
    return format == TPixelFormat::pf8bit ? QImage::Format_Indexed8 : QImage::Format_RGB32;
}

QImage Converted(const QImage& image, TPixelFormat format) {
    if (image.isNull() || image.format() == QtFormat(format)) {
        return image;
    }
    return image.convertToFormat(QtFormat(format));
}

// The palette index of black, added when the table lacks it; -1 when the table is full.
int BlackIndex(QImage& image) {
    QList<QRgb> table = image.colorTable();
    for (qsizetype i = 0; i < table.size(); ++i) {
        if ((table[i] & 0xFFFFFFu) == 0) {
            return int(i);
        }
    }
    if (table.size() >= 256) {
        return -1;
    }
    table.append(qRgb(0, 0, 0));
    image.setColorTable(table);
    return int(table.size() - 1);
}

QString ReadError(const std::string& fileName) {
    return QStringLiteral("Impossible de lire l'image « %1 »")
        .arg(QString::fromStdString(fileName));
}

} // namespace

TBitmap::TBitmap() : canvas_([this]() -> QImage& { return image_; }) {}

TBitmap::~TBitmap() = default;

int TBitmap::Width() const {
    return image_.isNull() ? width_ : image_.width();
}

int TBitmap::Height() const {
    return image_.isNull() ? height_ : image_.height();
}

void TBitmap::SetSize(int width, int height) {
    Resize(width, height);
}

bool TBitmap::Empty() const {
    return Width() == 0 || Height() == 0;
}

TPixelFormat TBitmap::PixelFormat() const {
    if (image_.isNull()) {
        return format_;
    }
    return image_.format() == QImage::Format_Indexed8 ? TPixelFormat::pf8bit
                                                      : TPixelFormat::pf24bit;
}

void TBitmap::Resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height()) {
        return;
    }
    if (width > kMaxSide || height > kMaxSide) {
        throw EPlatformError(
            QStringLiteral("Image trop grande : %1 x %2").arg(width).arg(height).toStdString());
    }
    const TPixelFormat format = PixelFormat();
    canvas_.WritePending();
    width_ = width;
    height_ = height;
    format_ = format;
    if (width == 0 || height == 0) {
        image_ = QImage();
        return;
    }
    QImage resized(width, height, QtFormat(format));
    if (resized.isNull()) {
        throw EPlatformError(QStringLiteral("Mémoire insuffisante pour une image de %1 x %2")
                                 .arg(width)
                                 .arg(height)
                                 .toStdString());
    }
    if (format == TPixelFormat::pf8bit) {
        resized.setColorTable(image_.isNull() ? QList<QRgb>{qRgb(0, 0, 0)} : image_.colorTable());
        const int black = BlackIndex(resized);
        if (black < 0) {
            resized = resized.convertToFormat(QImage::Format_RGB32);
            resized.fill(Qt::black);
        } else {
            resized.fill(uint(black));
        }
    } else if (image_.isNull()) {
        // Nothing kept: the black is written only if something reads it before covering it.
        image_ = resized;
        canvas_.Fill(clBlack);
        return;
    } else {
        resized.fill(Qt::black);
    }
    if (!image_.isNull()) {
        const int rows = std::min(height, image_.height());
        const qsizetype bytes = qsizetype(std::min(width, image_.width())) * (resized.depth() / 8);
        const QImage old =
            resized.format() == image_.format() ? image_ : Converted(image_, TPixelFormat::pf24bit);
        for (int y = 0; y < rows; ++y) {
            std::copy_n(old.constScanLine(y), bytes, resized.scanLine(y));
        }
    }
    image_ = resized;
}

void TBitmap::LoadFromFile(const std::string& fileName) {
    QImageReader reader(QString::fromStdString(fileName), "bmp");
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (size.width() > kMaxSide || size.height() > kMaxSide ||
        std::int64_t(size.width()) * size.height() > kMaxPixels) {
        throw EPlatformError(
            (ReadError(fileName) + QStringLiteral(" : image trop grande")).toStdString());
    }
    QImage image = reader.read();
    if (image.isNull()) {
        throw EPlatformError(ReadError(fileName).toStdString());
    }
    Assign(image);
}

void TBitmap::Assign(const TBitmap& source) {
    source.canvas_.WritePending();
    image_ = source.image_;
    width_ = source.width_;
    height_ = source.height_;
    format_ = source.format_;
}

void TBitmap::Assign(const QImage& image) {
    const bool indexed = image.format() == QImage::Format_Indexed8 || image.colorCount() > 0;
    format_ = indexed ? TPixelFormat::pf8bit : TPixelFormat::pf24bit;
    image_ = Converted(image, format_);
    width_ = image_.width();
    height_ = image_.height();
}

void TBitmap::Dormant() {}

void TBitmap::FreeImage() {}

TCanvas& TBitmap::Canvas() {
    return canvas_;
}

const QImage& TBitmap::Image() const {
    canvas_.WritePending();
    return image_;
}

QImage& TBitmap::Image() {
    canvas_.WritePending();
    return image_;
}
