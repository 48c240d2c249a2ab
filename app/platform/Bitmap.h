// SPDX-License-Identifier: MIT
#pragma once

#include "app/platform/Canvas.h"

#include <QImage>
#include <string>

enum class TPixelFormat { pf8bit, pf24bit };

// A picture in memory: Format_RGB32 for 24-bit pictures, Format_Indexed8 with its colour
// table for 8-bit ones. Drawing on an 8-bit bitmap turns it into a 24-bit one first.
class TBitmap {
public:
    TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    virtual ~TBitmap();

    int Width() const;
    int Height() const;
    void SetSize(int width, int height); // keeps the top-left content, new pixels black
    bool Empty() const;

    TPixelFormat PixelFormat() const;

    // Throws EPlatformError when the file cannot be read as a Windows bitmap file.
    void LoadFromFile(const std::string& fileName);
    // Takes the size, pixel format, palette and pixels of source.
    void Assign(const TBitmap& source);
    void Assign(const QImage& image);
    // The old toolkit's calls to release device resources: a QImage holds none, so they do
    // nothing here, and change nothing visible.
    void Dormant();
    void FreeImage();

    TCanvas& Canvas();
    const QImage& Image() const;
    QImage& Image();

private:
    void Resize(int width, int height);

    QImage image_;
    TCanvas canvas_;
    // Kept apart from image_: a picture with one side 0 has no image but keeps the other side.
    int width_ = 0;
    int height_ = 0;
    TPixelFormat format_ = TPixelFormat::pf24bit;
};
