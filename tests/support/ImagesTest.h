// SPDX-License-Identifier: MIT
// Tiny picture files made at test time by our own code, for tests that load pictures.
#pragma once

#include <QImage>
#include <cstddef>
#include <string>
#include <vector>

namespace ImagesTest {

// Four solid quarters (red top-left, green top-right, blue bottom-left, white bottom-right),
// so that a wrong decoding shows on a few pixels despite JPEG's losses.
QImage Quartiers(int largeur, int hauteur);

enum class GenreJpeg { Base, Progressif, Gris };

// The bytes of image compressed by libjpeg at quality 90; Gris keeps one grey component.
std::vector<unsigned char> OctetsJpeg(const QImage& image, GenreJpeg genre = GenreJpeg::Base);

// Offset of the first segment with the marker 0xFF marqueur before the scan data (0xDA for
// the scan itself), or std::string::npos.
std::size_t Segment(const std::vector<unsigned char>& jpeg, unsigned char marqueur);

// Creates or replaces the file chemin with octets.
void EcritOctets(const std::string& chemin, const std::vector<unsigned char>& octets);
std::vector<unsigned char> LitOctets(const std::string& chemin);

void EcritJpeg(const std::string& chemin, const QImage& image, GenreJpeg genre = GenreJpeg::Base);
// A Windows bitmap file of 24 bits per pixel, or of 8 bits with a palette.
void EcritBmp(const std::string& chemin, const QImage& image, bool huitBits = false);

// libjpeg alone with the picture loader's decoding settings (memory source, full size,
// floating-point inverse DCT, block smoothing): RGB bytes, three a pixel, row after row.
std::vector<unsigned char> DecodeReference(const std::vector<unsigned char>& jpeg);

// Keeps the first taille bytes of the file.
void Tronque(const std::string& chemin, std::size_t taille);

} // namespace ImagesTest
