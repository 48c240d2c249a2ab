// SPDX-License-Identifier: MIT
// Tiny picture files made at test time by our own code, for tests that load pictures.
#pragma once

#include <QImage>
#include <cstddef>
#include <string>
#include <vector>

namespace pictures {

// Four solid quarters (red top-left, green top-right, blue bottom-left, white bottom-right),
// so that a wrong decoding shows on a few pixels despite JPEG's losses.
QImage Quarters(int width, int height);

enum class JpegKind { Baseline, Progressive, Grey };

// The bytes of image compressed by libjpeg at quality 90; Grey keeps one grey component.
std::vector<unsigned char> JpegBytes(const QImage& image, JpegKind kind = JpegKind::Baseline);

// Offset of the first segment with the marker 0xFF marker before the scan data (0xDA for the
// scan itself), or std::string::npos.
std::size_t Segment(const std::vector<unsigned char>& jpeg, unsigned char marker);

// Creates or replaces the file path with bytes.
void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);
std::vector<unsigned char> ReadBytes(const std::string& path);

void WriteJpeg(const std::string& path, const QImage& image, JpegKind kind = JpegKind::Baseline);
// A Windows bitmap file of 24 bits per pixel, or of 8 bits with a palette.
void WriteBmp(const std::string& path, const QImage& image, bool eightBits = false);

// libjpeg alone with the picture loader's decoding settings (memory source, full size,
// floating-point inverse DCT, block smoothing): RGB bytes, three a pixel, row after row.
std::vector<unsigned char> DecodeReference(const std::vector<unsigned char>& jpeg);

// Keeps the first size bytes of the file.
void Truncate(const std::string& path, std::size_t size);

} // namespace pictures
