// SPDX-License-Identifier: MIT
#include "windows/UEnviron.h"

#include "app/platform/PaintBox.h"
#include "app/platform/Screen.h"
#include "support/GameWindow.h"

#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

// MinGW's C library names its environment block environ, by a macro.
#undef environ

namespace {

class UEnvironTest : public GameWindowTest {
protected:
    UEnvironTest() { sons.played.clear(); }

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
        // The true frame is told once the window system's events are handled.
        QCoreApplication::processEvents();
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

TEST_F(UEnvironTest, SitsAgainstTheMainWindowAndKeepsThePhotographsProportions) {
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
    assets::WriteJpeg("autre.JPEG", 500, 500);
    Montre("autre.JPEG");
    const QSize cadre = environ.frameGeometry().size() - environ.size();
    EXPECT_EQ(environ.frameGeometry().topLeft(), QPoint(720, 30));
    EXPECT_EQ(environ.size(), QSize(560 - cadre.width(), 560 - cadre.width()));

    // A photograph too tall for the work area is shown smaller, still beside the main window;
    // with more room on the left it goes there.
    assets::WriteJpeg("haute.jpg", 300, 1200);
    PlacePrincipal(400, 40, 800);
    Montre("haute.jpg");
    const int hauteur = 1024 - cadre.height();
    EXPECT_EQ(environ.size(), QSize(hauteur / 4, hauteur));
    const int largeur = hauteur / 4 + cadre.width();
    EXPECT_EQ(environ.frameGeometry(), QRect(400 - largeur, 0, largeur, 1024));

    // A background of three quarters of the work area leaves enough room beside it.
    PlacePrincipal(0, 0, 960);
    Montre("photo.Jpg");
    EXPECT_EQ(environ.frameGeometry().topLeft(), QPoint(960, 0));
    EXPECT_EQ(environ.width(), 312);
}

TEST_F(UEnvironTest, OverAMaximisedMainWindowStandsBesideTheBoardAndFollowsTheWindow) {
    // The board, its proportions kept, leaves a strip on the right of a window as wide as the
    // screen and 800 high.
    assets::WriteJpeg("grand.jpg", 960, 720);
    ASSERT_TRUE(Form().ChargeFond("grand.jpg"));
    Form().setGeometry(0, 30, 1280, 800);
    assets::WriteJpeg("photo.jpg", 640, 480);
    Montre("photo.jpg");
    // Where the viewer goes: against the board, at the top of the paint box.
    auto contre = [this] {
        const TPaintBox& boite = *Form().PB;
        const QPoint origine = boite.mapToGlobal(QPoint(0, 0));
        const QRect plateau = boite.WidgetRect(QRect(0, 0, boite.Width(), boite.Height()));
        return QPoint(origine.x() + plateau.right() + 1, origine.y());
    };
    EXPECT_EQ(environ.frameGeometry().topLeft(), contre());
    EXPECT_TRUE(QRect(Form().PB->mapToGlobal(QPoint(0, 0)), Form().PB->size())
                    .contains(environ.frameGeometry()));
    EXPECT_GE(environ.width(), 1280 / 6);

    // Moved or given back its own size, the main window takes the viewer along at once.
    const QPoint avant = contre();
    Form().move(0, 90);
    QCoreApplication::processEvents();
    ASSERT_NE(contre(), avant);
    EXPECT_EQ(environ.frameGeometry().topLeft(), contre());
    Form().SetClientSize(700, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(environ.frameGeometry().left(), Form().frameGeometry().right() + 1);
}

// No room beside the main window nor beside the board (a 5:4 screen maximised): a quarter of
// the board at most, where it covers the fewest cells to find, never the one just revealed.
TEST(UEnvironPlaceVueTest, WithNoRoomTheCornerHidingFewestCellsNeverTheOneJustRevealed) {
    std::vector<QRect> cellules; // 5 x 4 cells of 256 x 240, row by row
    for (int i = 0; i < 20; ++i) {
        cellules.emplace_back(i % 5 * 256, 60 + i / 5 * 240, 256, 240);
    }
    const QRect plateau(0, 60, 1280, 960);
    AlentoursVue alentours{
        Rect(0, 0, 1280, 1024), QRect(0, 0, 1280, 1024), plateau, plateau, plateau, cellules, {}};
    const QMargins cadre(4, 24, 4, 4);
    const QRect coin = PlaceVue(QSize(640, 480), cadre, alentours);
    EXPECT_EQ(coin.topLeft(), QPoint(1280 - coin.width(), 60));
    EXPECT_EQ(coin.height(), 479);
    EXPECT_LE(coin.width(), 640);
    alentours.revelee = cellules[8];
    EXPECT_EQ(PlaceVue(QSize(640, 480), cadre, alentours).topLeft(), QPoint(0, 60));
    // The bottom right cells found.
    std::erase_if(alentours.cases,
                  [](const QRect& c) { return c.left() >= 512 && c.top() >= 540; });
    alentours.precedente = PlaceVue(QSize(640, 480), cadre, alentours);
    EXPECT_EQ(alentours.precedente.bottomRight(), QPoint(1279, 1019));

    // Then it stays there from reveal to reveal, leaving only for the cell revealed or pointed at.
    alentours.revelee = cellules[0];
    std::erase_if(alentours.cases, [](const QRect& c) { return c.top() < 540; });
    EXPECT_EQ(PlaceVue(QSize(640, 480), cadre, alentours), alentours.precedente);
    alentours.pointee = cellules[19];
    const QRect cedee = PlaceVue(QSize(640, 480), cadre, alentours);
    EXPECT_FALSE(cedee.intersects(cellules[19]) || cedee.intersects(cellules[0]));

    // Every corner over the middle column: over the cell pointed at rather than the one revealed.
    alentours.cases = cellules;
    alentours.revelee = cellules[2];
    for (const int pointee : {12, 17}) {
        alentours.pointee = cellules[pointee];
        EXPECT_FALSE(PlaceVue(QSize(640, 480), cadre, alentours).intersects(cellules[2]));
    }
    // Over the middle of the board, every corner covers it: a smaller photograph leaves it free.
    alentours.revelee = QRect(512, 420, 256, 240);
    EXPECT_FALSE(PlaceVue(QSize(640, 480), cadre, alentours).intersects(alentours.revelee));
}

// Down to a small size beside the main window, then on the board's strip; never above 1.25 times.
TEST(UEnvironPlaceVueTest, TakesWhateverRoomThereIsDownToASmallSizeAndNoMore) {
    const QMargins cadre(1, 20, 1, 1);
    AlentoursVue a{Rect(0, 0, 1280, 800), QRect(0, 0, 1130, 769), {}, {}, {}, {}, {}};
    a.boite = QRect(0, 45, 1200, 723);
    a.plateau = QRect(0, 45, 1051, 723);
    EXPECT_EQ(PlaceVue(QSize(640, 480), cadre, a), QRect(1130, 0, 144, 128));
    a.principal = QRect(0, 0, 1200, 769);
    EXPECT_EQ(PlaceVue(QSize(640, 480), cadre, a), QRect(1051, 45, 149, 131));
    a.plateau = QRect(0, 45, 1110, 723);
    EXPECT_EQ(PlaceVue(QSize(64, 48), cadre, a), QRect(1110, 45, 82, 81));
    a.principal = QRect(0, 0, 400, 300);
    EXPECT_EQ(PlaceVue(QSize(640, 480), cadre, a).size(), QSize(802, 621));
}

// Over a hidden cell it gives way: pointed at, it moves; a press there reveals the cell, no cry.
TEST_F(UEnvironTest, OverAHiddenCellThePressReachesTheBoard) {
    Form().MaxAnim[Form().TypeJeu] = 10; // every cell hides an animal
    Form().NouveauJeu();
    assets::WriteJpeg("photo.jpg", 640, 480);
    Montre("photo.jpg");
    const TSDIAppForm& f = Form();
    const QPoint centre =
        f.PB->mapToGlobal(f.PB->WidgetRect(QRect(0, 0, f.LargeurCase, 9)).center());
    environ.move(centre - QPoint(20, 20));
    QMouseEvent mouvement(QEvent::MouseMove, environ.PB->mapFromGlobal(centre), centre,
                          Qt::NoButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(environ.PB, &mouvement);
    EXPECT_FALSE(environ.frameGeometry().contains(centre));
    environ.move(centre - QPoint(20, 20));
    QTest::mouseClick(environ.PB, Qt::LeftButton, {}, environ.PB->mapFromGlobal(centre));
    EXPECT_NE(f.Grille[0][0].Dessous, nullptr);
    EXPECT_TRUE(std::ranges::none_of(sons.played, [](auto& s) { return s.flags == SND_SYNC; }));

    // A finger there reveals the cell it touches, not the one the mouse last pointed at.
    const QPoint voisine =
        f.PB->mapToGlobal(f.PB->WidgetRect(QRect(f.LargeurCase, 0, f.LargeurCase, 9)).center());
    environ.move(voisine - QPoint(20, 20));
    const std::unique_ptr<QPointingDevice> ecran(QTest::createTouchDevice());
    QTest::touchEvent(environ.PB, ecran.get()).press(0, environ.PB->mapFromGlobal(voisine));
    QTest::touchEvent(environ.PB, ecran.get()).release(0, environ.PB->mapFromGlobal(voisine));
    EXPECT_TRUE(f.Grille[0][1].Dessous != nullptr || f.Grille[0][1].Trouve);
}

TEST_F(UEnvironTest, PhotographIsStretchedOverTheWholeSurface) {
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

TEST_F(UEnvironTest, PicturesItCannotShow) {
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

TEST_F(UEnvironTest, ClickPlaysTheCryToItsEndThenTheNameOnlyWithSoundsOn) {
    assets::WriteJpeg("photo.jpg", 64, 48);
    Montre("photo.jpg", "./Savane/Lion01S.wav");
    environ.FichierNom = "./Savane/Nom_Lion.wav";
    Form().Bruitage = false;
    QTest::mouseClick(environ.PB, Qt::LeftButton);
    EXPECT_TRUE(sons.played.empty());
    Form().Bruitage = true;
    QTest::mouseClick(environ.PB, Qt::LeftButton);
    ASSERT_EQ(sons.played.size(), 2u);
    EXPECT_EQ(sons.played[0].fileName, "./Savane/Lion01S.wav");
    EXPECT_EQ(sons.played[0].flags, SND_SYNC);
    EXPECT_EQ(sons.played[1].fileName, "./Savane/Nom_Lion.wav");
    EXPECT_EQ(sons.played[1].flags, SND_ASYNC | SND_QUEUE);
    Form().DitNom = false;
    QTest::mouseClick(environ.PB, Qt::LeftButton);
    EXPECT_EQ(sons.played.size(), 3u);
    Form().DitNom = true;
}
