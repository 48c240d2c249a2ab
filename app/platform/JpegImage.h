// SPDX-License-Identifier: MIT
// A JPEG picture held in memory and decoded by libjpeg with the program's fixed settings.
#pragma once

#include <QImage>
#include <cstddef>
#include <istream>
#include <vector>

enum class TJPEGPixelFormat { jf24Bit, jf8Bit };

// Largest picture accepted, checked on the header before anything is allocated.
constexpr int kJpegMaxSide = 16384;
constexpr long long kJpegMaxPixels = 100'000'000;
// Real progressive files have a few dozen scans at most; each scan runs over the whole
// picture, so a small file with thousands of them would hold the game for minutes.
constexpr int kJpegMaxScans = 500;

// Text of the error thrown when a stream cannot be read.
inline constexpr char kStreamReadError[] = "Erreur de lecture du flux";

// libjpeg's fatal errors, headers announcing a picture above the limits and files with more
// scans than kJpegMaxScans are thrown as EPlatformError "Erreur JPEG #n" with libjpeg's
// message code; its warnings are ignored.
class TJPEGImage {
public:
    // Keeps everything from the stream's position to its end (one read), then reads the header.
    void LoadFromStream(std::istream& stream);
    void LoadFromMemory(std::vector<unsigned char> data);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Grayscale() const { return grayscale_; }
    bool ProgressiveEncoding() const { return progressive_; }

    // jf8Bit, and any grey-scale file, decode to Format_Indexed8 with at most 236 colours;
    // otherwise to Format_RGB32.
    TJPEGPixelFormat PixelFormat = TJPEGPixelFormat::jf24Bit;

    // Decodes the whole picture at full size, progressive files in one pass. Input that runs
    // out counts as the end of the picture.
    QImage Bitmap() const;

private:
    std::vector<unsigned char> data_;
    int width_ = 0;
    int height_ = 0;
    bool grayscale_ = false;
    bool progressive_ = false;
};
