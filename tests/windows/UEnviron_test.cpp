// SPDX-License-Identifier: MIT
#include "windows/UEnviron.h"

#include "app/platform/PaintBox.h"
#include "app/platform/Screen.h"
#include "support/GameWindow.h"

#include <QTest>
#include <gtest/gtest.h>

// MinGW's C library names its environment block environ, by a macro.
#undef environ

namespace {

class Viewer : public GameWindowTest {
protected:
    Viewer() { sons.played.clear(); }

    // The main window's frame at (left, top), largeur wide.
    void PlacePrincipal(int left, int top, int largeur) {
        const int cadre = Form().frameGeometry().width() - Form().width();
        Form().resize(largeur - cadre, Form().height());
        Form().move(left, top);
        ASSERT_EQ(Form().frameGeometry().topLeft(), QPoint(left, top));
        ASSERT_EQ(Form().frameGeometry().width(), largeur);
    }

    void Montre(const std::string& image, const std::string& son = "cri.wav") {
        if (environ.Visible()) {
            environ.Hide();
        }
        environ.FichierImage = image;
        environ.FichierSon = son;
        environ.Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&environ));
    }

    TEnviron& environ = *Environ;
};

bool Uni(const QImage& image, QRgb couleur) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFFu) != (couleur & 0xFFFFFFu)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

TEST_F(Viewer, SitsAgainstTheMainWindowAndKeepsThePhotographsProportions) {
    ASSERT_EQ(WorkArea(), Rect(0, 0, 1280, 1024));
    PlacePrincipal(0, 40, 800);
    assets::WriteJpeg("photo.Jpg", 640, 480);
    Montre("photo.Jpg");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(environ.frameGeometry().topLeft(), QPoint(800, 40));
    EXPECT_EQ(environ.size(), QSize(472, 354));
    EXPECT_EQ(environ.PB->size(), QSize(472, 354));

    // Moved and resized by hand, it is placed again at the next photograph; the main window
    // moved away from the left edge leaves less room than the rest of the work area's width.
    environ.setGeometry(5, 5, 300, 100);
    PlacePrincipal(20, 30, 700);
    assets::WriteJpeg("autre.JPEG", 100, 100);
    Montre("autre.JPEG");
    const QSize cadre = environ.frameGeometry().size() - environ.size();
    EXPECT_EQ(environ.frameGeometry().topLeft(), QPoint(720, 30));
    EXPECT_EQ(environ.size(), QSize(560 - cadre.width(), 560 - cadre.width()));

    // A photograph too tall for the work area is shown smaller, still beside the main window;
    // with more room on the left it goes there.
    assets::WriteJpeg("haute.jpg", 200, 800);
    PlacePrincipal(400, 40, 800);
    Montre("haute.jpg");
    const int hauteur = 1024 - cadre.height();
    EXPECT_EQ(environ.size(), QSize(hauteur / 4, hauteur));
    const int largeur = hauteur / 4 + cadre.width();
    EXPECT_EQ(environ.frameGeometry(), QRect(400 - largeur, 0, largeur, 1024));
}

TEST_F(Viewer, OverAMaximisedMainWindowTakesTheCornerCoveringFewestCells) {
    // The board stretched over a window as wide as the screen and 800 high: cells of 256 x
    // about 190 below the menu bar and toolbar.
    assets::WriteJpeg("grand.jpg", 960, 720);
    ASSERT_TRUE(Form().ChargeFond("grand.jpg"));
    Form().setGeometry(0, Form().geometry().top(), 1280, 800);
    assets::WriteJpeg("photo.jpg", 640, 480);
    Montre("photo.jpg");
    // 426 x 320 and its frame: four cells in either top corner, two of the last row in either
    // bottom corner; of those the bottom right.
    const QSize exterieur = environ.frameGeometry().size();
    EXPECT_EQ(environ.size(), QSize(426, 320));
    EXPECT_EQ(environ.frameGeometry().topLeft(),
              QPoint(1280 - exterieur.width(), 1024 - exterieur.height()));
}

TEST_F(Viewer, WithNoRoomOnTheRightStaysOnTheScreenAtAThirdOfItsWidth) {
    PlacePrincipal(70, 900, 1250);
    assets::WriteJpeg("photo.jpg", 640, 480);
    Montre("photo.jpg");
    EXPECT_EQ(environ.width(), 426);
    EXPECT_EQ(environ.height(), 320); // 480 x 426 / 640 = 319.5, rounded
    EXPECT_TRUE(QRect(0, 0, 1280, 1024).contains(environ.frameGeometry()));

    assets::WriteJpeg("haute.jpg", 200, 800); // too tall for the screen at that width
    Montre("haute.jpg");
    EXPECT_TRUE(QRect(0, 0, 1280, 1024).contains(environ.frameGeometry()));
    EXPECT_NEAR(environ.width() * 4, environ.height(), 4);

    // A background of three quarters of the work area leaves enough room beside it.
    PlacePrincipal(0, 0, 960);
    Montre("photo.jpg");
    EXPECT_EQ(environ.frameGeometry().topLeft(), QPoint(960, 0));
    EXPECT_EQ(environ.width(), 312);
}

TEST_F(Viewer, PhotographIsStretchedOverTheWholeSurface) {
    QImage rouge(8, 6, QImage::Format_RGB32);
    rouge.fill(qRgb(200, 0, 0));
    assets::WriteBmp("rouge.BMP", rouge);
    Montre("rouge.BMP");
    EXPECT_TRUE(Uni(environ.PB->Canvas().Surface(), qRgb(200, 0, 0)));
    environ.resize(300, 90);
    environ.PBPaint();
    EXPECT_EQ(environ.PB->Canvas().Surface().size(), QSize(300, 90));
    EXPECT_TRUE(Uni(environ.PB->Canvas().Surface(), qRgb(200, 0, 0)));
}

TEST_F(Viewer, PicturesItCannotShow) {
    PlacePrincipal(0, 0, 800);
    assets::WriteJpeg("photo.jpg", 640, 480);
    Montre("photo.jpg");
    const QRect place = environ.geometry();
    const TBitmap* vue = environ.ImageVue.get();

    Montre("a.b"); // too short to have an extension: ignored without a word
    Montre("photo.png");
    Montre("photo");
    EXPECT_EQ(Messages(), std::vector<QString>(2, "Format de bitmap non reconnu"));
    EXPECT_EQ(environ.ImageVue.get(), vue);
    EXPECT_EQ(environ.geometry(), place);

    messages.messages.clear();
    Montre("absente.jpg");
    EXPECT_TRUE(Messages().empty());
    ASSERT_NE(environ.ImageVue, nullptr);
    EXPECT_TRUE(environ.ImageVue->Empty());
    EXPECT_EQ(environ.geometry(), place);
    environ.PBPaint();
    EXPECT_TRUE(Uni(environ.PB->Canvas().Surface(), qRgb(0, 0, 0)));

    // An unreadable bitmap file: its error is shown, the window stays as it was.
    Montre("photo.jpg");
    Montre("absente.bmp");
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(environ.isVisible());
    EXPECT_TRUE(environ.ImageVue->Empty());
    EXPECT_EQ(environ.geometry(), place);
}

TEST_F(Viewer, ClickPlaysTheCryToItsEndOnlyWithSoundsOn) {
    assets::WriteJpeg("photo.jpg", 64, 48);
    Montre("photo.jpg", "./Savane/Lion01S.wav");
    Form().Bruitage = false;
    QTest::mouseClick(environ.PB, Qt::LeftButton);
    EXPECT_TRUE(sons.played.empty());
    Form().Bruitage = true;
    QTest::mouseClick(environ.PB, Qt::LeftButton);
    ASSERT_EQ(sons.played.size(), 1u);
    EXPECT_EQ(sons.played[0].fileName, "./Savane/Lion01S.wav");
    EXPECT_EQ(sons.played[0].flags, SND_SYNC);
}
