// SPDX-License-Identifier: MIT
#include "app/platform/Bitmap.h"
#include "app/platform/Errors.h"
#include "support/Fakes.h"
#include "support/Fill.h"

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

std::string Message(const std::string& fileName) {
    TBitmap bitmap;
    try {
        bitmap.LoadFromFile(fileName);
    } catch (const EPlatformError& error) {
        return error.what();
    }
    return "no error";
}

class BitmapFileTest : public testing::Test {
protected:
    DossierTemp dossier;
};

TEST_F(BitmapFileTest, LoadsTwentyFourBitPictures) {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(10, 20, 30));
    image.setPixel(2, 1, qRgb(0, 0, 1));
    ASSERT_TRUE(image.save(dossier.Chemin("Lion01G.bmp"), "BMP"));

    TBitmap bitmap;
    bitmap.LoadFromFile("./Lion01G.bmp");
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), RGB(10, 20, 30));
    EXPECT_EQ(bitmap.Canvas().Pixel(2, 1), RGB(0, 0, 1));
}

TEST_F(BitmapFileTest, KeepsThePaletteOfEightBitPicturesAndAssignCopiesIt) {
    QImage image(2, 2, QImage::Format_Indexed8);
    image.setColorTable({qRgb(0, 0, 0), qRgb(250, 5, 7)});
    image.fill(1);
    ASSERT_TRUE(image.save(dossier.Chemin("Ours.bmp"), "BMP"));

    TBitmap bitmap;
    bitmap.LoadFromFile("./Ours.bmp");
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_EQ(bitmap.Image().colorTable().value(1), qRgb(250, 5, 7));

    TBitmap copy;
    copy.Assign(bitmap);
    EXPECT_EQ(copy.PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_EQ(copy.Image().colorTable(), bitmap.Image().colorTable());
    copy.SetSize(3, copy.Height()); // new pixels black, whatever the palette
    EXPECT_EQ(copy.PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_EQ(copy.Canvas().Pixel(1, 1), RGB(250, 5, 7));
    EXPECT_EQ(copy.Canvas().Pixel(2, 1), clBlack);
}

TEST_F(BitmapFileTest, UnreadableFilesRaiseAnErrorNamingThem) {
    EXPECT_EQ(Message("./Savane/Lion01G.bmp"),
              "Impossible de lire l'image « ./Savane/Lion01G.bmp »");
    QFile junk(dossier.Chemin("Faux.bmp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("BMnot a picture at all");
    junk.close();
    EXPECT_EQ(Message("./Faux.bmp"), "Impossible de lire l'image « ./Faux.bmp »");
}

TEST_F(BitmapFileTest, RefusesAHeaderClaimingAHugePictureBeforeDecoding) {
    // A valid 24-bit header announcing 16000 x 16000 pixels, with no pixels behind it.
    QByteArray header(54, '\0');
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, header.data() + at); };
    auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, header.data() + at); };
    header[0] = 'B';
    header[1] = 'M';
    put32(2, 54);
    put32(10, 54);
    put32(14, 40);
    put32(18, 16000);
    put32(22, 16000);
    put16(26, 1);
    put16(28, 24);
    QFile file(dossier.Chemin("Enorme.bmp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(header);
    file.close();
    const std::string message = Message("./Enorme.bmp");
    EXPECT_NE(message.find("« ./Enorme.bmp »"), std::string::npos) << message;
    EXPECT_NE(message.find("trop grande"), std::string::npos) << message;
}

TEST(BitmapTest, ResizingKeepsTheTopLeftAndBlackensTheRest) {
    TBitmap bitmap;
    Fill(bitmap, 2, 2, clWhite);
    bitmap.SetSize(3, 3);
    EXPECT_EQ(bitmap.Canvas().Pixel(1, 1), clWhite);
    EXPECT_EQ(bitmap.Canvas().Pixel(2, 1), clBlack);
    EXPECT_EQ(bitmap.Canvas().Pixel(1, 2), clBlack);

    TBitmap copy;
    copy.Assign(bitmap);
    bitmap.Canvas().Brush.Color = 0x112233;
    bitmap.Canvas().FillRect(Rect(0, 0, 3, 3));
    EXPECT_EQ(copy.Canvas().Pixel(0, 0), clWhite);
    EXPECT_EQ(copy.Width(), 3);

    TBitmap thin;
    thin.SetSize(7, 0);
    EXPECT_EQ(thin.Width(), 7);
    EXPECT_TRUE(thin.Empty());
}

} // namespace
