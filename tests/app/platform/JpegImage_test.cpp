// SPDX-License-Identifier: MIT
#include "app/platform/JpegImage.h"

#include "app/platform/Errors.h"
#include "support/Pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>

#include <jerror.h>
#include <jpeglib.h>

using namespace pictures;

namespace {

void PoseTaille(std::vector<unsigned char>& octets, int largeur, int hauteur) {
    const std::size_t sof = Segment(octets, 0xC0);
    ASSERT_NE(sof, std::string::npos);
    octets[sof + 5] = static_cast<unsigned char>(hauteur >> 8);
    octets[sof + 6] = static_cast<unsigned char>(hauteur);
    octets[sof + 7] = static_cast<unsigned char>(largeur >> 8);
    octets[sof + 8] = static_cast<unsigned char>(largeur);
}

std::string Erreur(int code) {
    return "Erreur JPEG #" + std::to_string(code);
}

std::string ErreurChargement(std::vector<unsigned char> octets) {
    try {
        TJPEGImage jpeg;
        jpeg.LoadFromMemory(std::move(octets));
        jpeg.Bitmap();
    } catch (const EPlatformError& e) {
        return e.what();
    }
    return "";
}

QImage Decode(std::vector<unsigned char> octets, TJPEGPixelFormat format) {
    TJPEGImage jpeg;
    jpeg.PixelFormat = format;
    jpeg.LoadFromMemory(std::move(octets));
    return jpeg.Bitmap();
}

// Each quarter of a picture made by Quarters() still has its colour.
void VerifieQuartiers(const QImage& image) {
    const int w = image.width();
    const int h = image.height();
    const auto proche = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) < 48 && std::abs(qGreen(a) - qGreen(b)) < 48 &&
               std::abs(qBlue(a) - qBlue(b)) < 48;
    };
    EXPECT_TRUE(proche(image.pixel(w / 4, h / 4), qRgb(255, 0, 0)));
    EXPECT_TRUE(proche(image.pixel(3 * w / 4, h / 4), qRgb(0, 255, 0)));
    EXPECT_TRUE(proche(image.pixel(w / 4, 3 * h / 4), qRgb(0, 0, 255)));
    EXPECT_TRUE(proche(image.pixel(3 * w / 4, 3 * h / 4), qRgb(255, 255, 255)));
}

// libjpeg's own RGB output with the decoder's settings, as 0xFFRRGGBB pixels.
std::vector<QRgb> DecodeRgb(const std::vector<unsigned char>& octets) {
    const std::vector<unsigned char> rgb = pictures::DecodeReference(octets);
    std::vector<QRgb> pixels;
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
        pixels.push_back(qRgb(rgb[i], rgb[i + 1], rgb[i + 2]));
    }
    return pixels;
}

// Where a progressive file's second scan begins.
std::vector<unsigned char>::iterator SecondScan(std::vector<unsigned char>& octets) {
    const unsigned char sos[] = {0xFF, 0xDA};
    // 0xFF 0xDA cannot occur inside scan data, where a 0xFF byte is followed by 0x00.
    const auto premier = std::search(octets.begin(), octets.end(), std::begin(sos), std::end(sos));
    return std::search(premier + 2, octets.end(), std::begin(sos), std::end(sos));
}

// A progressive file with copies of its second scan's header inserted before that scan: each
// copy is one more scan, without data, for the decoder.
std::vector<unsigned char> AvecScansVides(int copies) {
    auto octets = JpegBytes(Quarters(16, 16), JpegKind::Progressive);
    const auto second = SecondScan(octets);
    const auto position = second - octets.begin();
    const std::vector<unsigned char> entete(second, second + 2 + (second[2] << 8 | second[3]));
    for (int i = 0; i < copies; ++i) {
        octets.insert(octets.begin() + position, entete.begin(), entete.end());
    }
    return octets;
}

} // namespace

TEST(JpegImageTest, ReadsTheHeaderFromTheStreamPosition) {
    const auto octets = JpegBytes(Quarters(40, 24), JpegKind::Progressive);
    std::stringstream flux;
    flux << "xx";
    flux.write(reinterpret_cast<const char*>(octets.data()), std::streamsize(octets.size()));
    flux.seekg(2);
    TJPEGImage jpeg;
    jpeg.LoadFromStream(flux);
    EXPECT_EQ(jpeg.Width(), 40);
    EXPECT_EQ(jpeg.Height(), 24);
    EXPECT_FALSE(jpeg.Grayscale());
    EXPECT_TRUE(jpeg.ProgressiveEncoding());
}

TEST(JpegImageTest, DecodesColourAtFullSizeIn32Bits) {
    for (const JpegKind genre : {JpegKind::Baseline, JpegKind::Progressive}) {
        const QImage image = Decode(JpegBytes(Quarters(37, 21), genre), TJPEGPixelFormat::jf24Bit);
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        EXPECT_EQ(image.size(), QSize(37, 21));
        VerifieQuartiers(image);
    }
}

TEST(JpegImageTest, ColourPixelsAreLibjpegsOwnAndOpaque) {
    QImage source = Quarters(45, 30);
    for (int x = 0; x < source.width(); ++x) {
        source.setPixel(x, x % source.height(), qRgb(x * 5, 255 - x * 3, (x * 37) % 256));
    }
    for (const JpegKind genre : {JpegKind::Baseline, JpegKind::Progressive}) {
        const auto octets = JpegBytes(source, genre);
        const QImage image = Decode(octets, TJPEGPixelFormat::jf24Bit);
        const std::vector<QRgb> attendus = DecodeRgb(octets);
        ASSERT_EQ(attendus.size(), std::size_t(image.width() * image.height()));
        for (int y = 0; y < image.height(); ++y) {
            const auto* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                ASSERT_EQ(ligne[x], attendus[std::size_t(y * image.width() + x)]) << x << "," << y;
            }
        }
    }
}

TEST(JpegImageTest, EightBitsGiveAPaletteOfAtMost236Colours) {
    const QImage image = Decode(JpegBytes(Quarters(64, 48)), TJPEGPixelFormat::jf8Bit);
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_GT(image.colorCount(), 0);
    EXPECT_LE(image.colorCount(), 236);
    VerifieQuartiers(image);
}

TEST(JpegImageTest, GreyFilesGiveAGreyPaletteAtAnyDepth) {
    const auto octets = JpegBytes(Quarters(32, 32), JpegKind::Grey);
    TJPEGImage jpeg;
    jpeg.LoadFromMemory(octets);
    EXPECT_TRUE(jpeg.Grayscale());
    const QImage image = jpeg.Bitmap();
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_LE(image.colorCount(), 236);
    for (const QRgb couleur : image.colorTable()) {
        EXPECT_TRUE(qRed(couleur) == qGreen(couleur) && qGreen(couleur) == qBlue(couleur));
    }
    EXPECT_LT(qGray(image.pixel(8, 8)), qGray(image.pixel(24, 24)));
}

TEST(JpegImageTest, DataCutShortEndsThePicture) {
    auto octets = JpegBytes(Quarters(64, 64), JpegKind::Baseline);
    const std::size_t scan = Segment(octets, 0xDA);
    ASSERT_NE(scan, std::string::npos);
    octets.resize(scan + (octets.size() - scan) / 2);
    const QImage image = Decode(octets, TJPEGPixelFormat::jf24Bit);
    EXPECT_EQ(image.size(), QSize(64, 64));
    EXPECT_GT(qRed(image.pixel(4, 4)), 200);
}

// Cut after its first scan (a download interrupted), a progressive photograph of a grey ramp
// still rises across each 8 x 8 block: without the block smoothing, every block is flat.
TEST(JpegImageTest, AProgressiveFileCutBeforeItsDetailScansIsSmoothedNotInBlocks) {
    QImage rampe(64, 16, QImage::Format_RGB32);
    for (int x = 0; x < rampe.width(); ++x) {
        for (int y = 0; y < rampe.height(); ++y) {
            rampe.setPixel(x, y, qRgb(x * 4, x * 4, x * 4));
        }
    }
    auto octets = JpegBytes(rampe, JpegKind::Progressive);
    octets.erase(SecondScan(octets), octets.end());
    const QImage image = Decode(octets, TJPEGPixelFormat::jf24Bit);
    for (int bloc = 8; bloc < 56; bloc += 8) {
        EXPECT_LT(qGray(image.pixel(bloc, 8)), qGray(image.pixel(bloc + 7, 8))) << bloc;
    }
}

TEST(JpegImageTest, SkipsSegmentsLongerThanABlock) {
    auto octets = JpegBytes(Quarters(16, 16));
    const unsigned taille = 10000;
    std::vector<unsigned char> commentaire = {0xFF, 0xFE, taille >> 8, taille & 0xFF};
    // End-of-image markers inside the comment: reading them would end the file early.
    for (unsigned i = 2; i < taille; i += 2) {
        commentaire.insert(commentaire.end(), {0xFF, 0xD9});
    }
    octets.insert(octets.begin() + 2, commentaire.begin(), commentaire.end());
    VerifieQuartiers(Decode(octets, TJPEGPixelFormat::jf24Bit));
}

TEST(JpegImageTest, FatalErrorsGiveLibjpegsCode) {
    EXPECT_EQ(ErreurChargement({}), Erreur(JERR_INPUT_EMPTY));
    EXPECT_EQ(ErreurChargement({0xFF, 0xD8}), Erreur(JERR_NO_IMAGE));

    auto octets = JpegBytes(Quarters(16, 16));
    const std::size_t sof = Segment(octets, 0xC0);
    ASSERT_NE(sof, std::string::npos);
    octets[sof + 4] = 7; // sample precision
    EXPECT_EQ(ErreurChargement(octets), Erreur(JERR_BAD_PRECISION));
}

TEST(JpegImageTest, OversizedHeadersAreRefusedBeforeDecoding) {
    for (const auto& [largeur, hauteur] : {std::pair{20000, 8}, {8, 16385}, {12000, 12000}}) {
        auto octets = JpegBytes(Quarters(8, 8));
        PoseTaille(octets, largeur, hauteur);
        TJPEGImage jpeg;
        try {
            jpeg.LoadFromMemory(octets);
            ADD_FAILURE() << largeur << " x " << hauteur << " accepted";
        } catch (const EPlatformError& e) {
            EXPECT_EQ(e.what(), Erreur(JERR_IMAGE_TOO_BIG));
        }
        EXPECT_EQ(jpeg.Width(), 0);
    }
}

TEST(JpegImageTest, FilesWithTooManyScansAreRefused) {
    EXPECT_EQ(Decode(AvecScansVides(400), TJPEGPixelFormat::jf24Bit).size(), QSize(16, 16));
    EXPECT_EQ(ErreurChargement(AvecScansVides(kJpegMaxScans)), Erreur(JERR_BAD_PROGRESSION));
}
