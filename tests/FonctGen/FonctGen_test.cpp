// SPDX-License-Identifier: MIT
#include "FonctGen/FonctGen.h"

#include "app/platform/Bitmap.h"
#include "app/platform/Errors.h"
#include "support/Fakes.h"
#include "support/Pictures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include <jerror.h>
#include <jpeglib.h>

using namespace pictures;

TEST(FonctGenExtensionFichierTest, GivesTheExtensionInCapitals) {
    EXPECT_EQ(ExtensionFichier("./Savane/Lion1.jpg"), "JPG");
    EXPECT_EQ(ExtensionFichier("photo.Jpeg"), "JPEG");
    EXPECT_EQ(ExtensionFichier(std::string("a.b.bmp")), "BMP");
}

TEST(FonctGenExtensionFichierTest, MarksNamesWithoutAnExtension) {
    EXPECT_EQ(ExtensionFichier("photo.jpeg2"), ".");
    EXPECT_EQ(ExtensionFichier("./Polaire/Ours"), ".");
    EXPECT_EQ(ExtensionFichier("Ours"), "");
    EXPECT_EQ(ExtensionFichier("Ours."), "");
    EXPECT_EQ(ExtensionFichier(std::string()), "");
    EXPECT_EQ(ExtensionFichier(static_cast<const char*>(nullptr)), "");
}

TEST(FonctGenMessageBoxesTest, ErrorHasOkWarningHasOkAndCancel) {
    FakeMessages boites;
    boites.answer = mrCancel;
    EXPECT_EQ(MessageErreur("Pas d'image", 0), mrCancel);
    EXPECT_EQ(MessageAvertissement("Format de bitmap non reconnu", 0), mrCancel);
    ASSERT_EQ(boites.messages.size(), 2u);
    EXPECT_EQ(boites.messages[0].text, "Pas d'image");
    EXPECT_EQ(boites.messages[0].type, TMsgDlgType::mtError);
    EXPECT_EQ(boites.messages[0].buttons, TMsgDlgButtons::mbOK);
    EXPECT_EQ(boites.messages[1].text, "Format de bitmap non reconnu");
    EXPECT_EQ(boites.messages[1].type, TMsgDlgType::mtWarning);
    EXPECT_EQ(boites.messages[1].buttons, TMsgDlgButtons::mbOKCancel);
}

namespace {

// LitBitmap in a working folder of its own, with a destination holding a picture of its own
// that every failure must leave as it was.
class FonctGenLitBitmapTest : public testing::Test {
protected:
    FonctGenLitBitmapTest() { destination.Assign(Quarters(3, 2)); }
    ~FonctGenLitBitmapTest() override { InitFormatJpeg(32); }

    void ExpectUnchanged() { EXPECT_EQ(destination.Image(), Quarters(3, 2)); }

    // LitBitmap refuses the file with the format message for signature.
    void ExpectRefused(const std::string& nom, const QString& signature) {
        boites.messages.clear();
        EXPECT_EQ(LitBitmap(nom, &destination), nullptr) << nom;
        ASSERT_EQ(boites.messages.size(), 1u) << nom;
        EXPECT_EQ(boites.messages[0].text, "Format d'image non reconnu (" + signature + ")");
        EXPECT_EQ(boites.messages[0].type, TMsgDlgType::mtError);
        ExpectUnchanged();
    }

    // LitBitmap throws message and shows nothing.
    void ExpectThrows(const std::string& nom, const std::string& message) {
        try {
            LitBitmap(nom, &destination);
            ADD_FAILURE() << nom << " read";
        } catch (const EPlatformError& e) {
            EXPECT_EQ(e.what(), message) << nom;
        }
        EXPECT_TRUE(boites.messages.empty()) << nom;
        ExpectUnchanged();
    }

    DossierTemp dossier;
    FakeMessages boites;
    TBitmap destination;
};

const std::vector<unsigned char> kPng = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
const std::vector<unsigned char> kGif = {'G', 'I', 'F', '8', '9', 'a'};
const std::vector<unsigned char> kTiff = {'I', 'I', 0x2A, 0x00, 0x08, 0x00, 0x00, 0x00};

} // namespace

TEST_F(FonctGenLitBitmapTest, NamesThatReadNothingSilently) {
    EXPECT_EQ(LitBitmap("", &destination), nullptr);
    EXPECT_EQ(LitBitmap("absent.jpg", &destination), nullptr);
    EXPECT_EQ(LitBitmap("presse-papier", &destination), nullptr);
    std::filesystem::create_directory("dossier.jpg");
    EXPECT_EQ(LitBitmap("dossier.jpg", &destination), nullptr);
    EXPECT_TRUE(boites.messages.empty());
    ExpectUnchanged();
}

TEST_F(FonctGenLitBitmapTest, TheClipboardNameIsNeverRead) {
    const QString message =
        "Erreur système : on essaye de lire le presse-papier avec 'LitBitmap()'";
    EXPECT_EQ(LitBitmap("Presse-papier", &destination), nullptr);
    WriteJpeg("Presse-papier", Quarters(8, 8));
    EXPECT_EQ(LitBitmap("Presse-papier", &destination), nullptr);
    ASSERT_EQ(boites.messages.size(), 2u);
    EXPECT_EQ(boites.messages[0].text, message);
    EXPECT_EQ(boites.messages[0].type, TMsgDlgType::mtError);
    EXPECT_EQ(boites.messages[1].text, message);
    ExpectUnchanged();
}

TEST_F(FonctGenLitBitmapTest, TheClipboardNameInSmallLettersIsAnOrdinaryFile) {
    WriteJpeg("presse-papier", Quarters(8, 8));
    ExpectRefused("presse-papier", "FFFFFFFF-FFFFFFD8");
}

TEST_F(FonctGenLitBitmapTest, FilesShorterThanASignatureGiveTheReadError) {
    WriteBytes("vide.jpg", {});
    WriteBytes("un.jpg", {0xFF});
    ExpectThrows("vide.jpg", "Erreur de lecture du flux");
    ExpectThrows("un.jpg", "Erreur de lecture du flux");
}

TEST_F(FonctGenLitBitmapTest, RefusesOtherFormatsWithTheirFirstTwoBytes) {
    WriteBytes("png.jpg", kPng);
    WriteBytes("gif.jpg", kGif);
    WriteBytes("tiff.jpg", kTiff);
    WriteBytes("tiff.bmp", kTiff);
    WriteBytes("tiff.tif", kTiff);
    ExpectRefused("png.jpg", "FFFFFF89-50");
    ExpectRefused("gif.jpg", "47-49");
    ExpectRefused("tiff.jpg", "49-49");
    ExpectRefused("tiff.bmp", "49-49");
    ExpectRefused("tiff.tif", "49-49");
}

TEST_F(FonctGenLitBitmapTest, RefusesASignatureThatDoesNotMatchTheExtension) {
    WriteBmp("bmp.jpg", Quarters(8, 8));
    WriteBmp("bmp.jpeg", Quarters(8, 8));
    WriteJpeg("jpeg.bmp", Quarters(8, 8));
    WriteJpeg("jpeg.jpe", Quarters(8, 8));
    WriteJpeg("jpeg.jpeg2", Quarters(8, 8));
    ExpectRefused("bmp.jpg", "42-4D");
    ExpectRefused("bmp.jpeg", "42-4D");
    ExpectRefused("jpeg.bmp", "FFFFFFFF-FFFFFFD8");
    ExpectRefused("jpeg.jpe", "FFFFFFFF-FFFFFFD8");
    ExpectRefused("jpeg.jpeg2", "FFFFFFFF-FFFFFFD8");
}

TEST_F(FonctGenLitBitmapTest, DecodesJpegUnderEachSpellingOfItsExtension) {
    for (const char* nom : {"a.JPG", "b.jpg", "c.Jpeg", "./d.jpeg", "Hélène l'été.jpg"}) {
        WriteJpeg(nom, Quarters(20, 10));
        TBitmap cible;
        EXPECT_EQ(LitBitmap(nom, &cible), &cible) << nom;
        EXPECT_EQ(cible.Width(), 20);
        EXPECT_EQ(cible.Height(), 10);
        EXPECT_EQ(cible.PixelFormat(), TPixelFormat::pf24bit);
        EXPECT_GT(qRed(cible.Image().pixel(2, 2)), 200);
    }
    EXPECT_TRUE(boites.messages.empty());
}

TEST_F(FonctGenLitBitmapTest, ProgressiveAndCutShortJpegDecodeAtFullSize) {
    WriteJpeg("progressif.jpg", Quarters(48, 32), JpegKind::Progressive);
    EXPECT_EQ(LitBitmap("progressif.jpg", &destination), &destination);
    EXPECT_EQ(destination.Image().size(), QSize(48, 32));

    // Cut within the picture data, after the headers.
    WriteJpeg("coupe.jpg", Quarters(64, 64));
    const std::size_t taille = ReadBytes("coupe.jpg").size();
    const std::size_t scan = Segment(ReadBytes("coupe.jpg"), 0xDA);
    ASSERT_LT(scan, taille);
    Truncate("coupe.jpg", scan + (taille - scan) / 2);
    TBitmap cible;
    EXPECT_EQ(LitBitmap("coupe.jpg", &cible), &cible);
    EXPECT_EQ(cible.Image().size(), QSize(64, 64));
    EXPECT_TRUE(boites.messages.empty());
}

TEST_F(FonctGenLitBitmapTest, GreyJpegGivesAGreyPalette) {
    WriteJpeg("gris.jpg", Quarters(16, 16), JpegKind::Grey);
    ASSERT_EQ(LitBitmap("gris.jpg", &destination), &destination);
    EXPECT_EQ(destination.PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_FALSE(destination.Image().colorTable().isEmpty());
    for (const QRgb couleur : destination.Image().colorTable()) {
        EXPECT_TRUE(qRed(couleur) == qGreen(couleur) && qGreen(couleur) == qBlue(couleur));
    }
}

TEST_F(FonctGenLitBitmapTest, EightBitScreensGetIndexedPictures) {
    WriteJpeg("couleur.jpg", Quarters(16, 16));
    InitFormatJpeg(8);
    ASSERT_EQ(LitBitmap("couleur.jpg", &destination), &destination);
    EXPECT_EQ(destination.PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_LE(destination.Image().colorCount(), 236);
    InitFormatJpeg(16);
    ASSERT_EQ(LitBitmap("couleur.jpg", &destination), &destination);
    EXPECT_EQ(destination.PixelFormat(), TPixelFormat::pf24bit);
}

TEST_F(FonctGenLitBitmapTest, DecodingErrorsLeaveWithLibjpegsCode) {
    WriteBytes("tete.jpg", {0xFF, 0xD8});
    ExpectThrows("tete.jpg", "Erreur JPEG #" + std::to_string(JERR_NO_IMAGE));
}

TEST_F(FonctGenLitBitmapTest, LoadsWindowsBitmapsAsTheyAre) {
    WriteBmp("vingtquatre.bmp", Quarters(9, 7));
    WriteBmp("huit.BMP", Quarters(9, 7), true);
    TBitmap cible;
    ASSERT_EQ(LitBitmap("vingtquatre.bmp", &cible), &cible);
    EXPECT_EQ(cible.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(cible.Image().pixel(1, 1), qRgb(255, 0, 0));
    ASSERT_EQ(LitBitmap("huit.BMP", &cible), &cible);
    EXPECT_EQ(cible.PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_EQ(cible.Image().size(), QSize(9, 7));
    EXPECT_EQ(cible.Image().pixel(8, 6), qRgb(255, 255, 255));
    EXPECT_TRUE(boites.messages.empty());
}

TEST_F(FonctGenLitBitmapTest, SmallLetterBmSignatureIsLeftToTheReader) {
    WriteBmp("minuscules.bmp", Quarters(4, 4));
    auto octets = ReadBytes("minuscules.bmp");
    octets[0] = 'b';
    octets[1] = 'm';
    WriteBytes("minuscules.bmp", octets);
    try {
        LitBitmap("minuscules.bmp", &destination);
    } catch (const EPlatformError&) {
        ExpectUnchanged();
    }
    EXPECT_TRUE(boites.messages.empty());
}
