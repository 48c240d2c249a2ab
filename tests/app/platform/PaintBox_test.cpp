// SPDX-License-Identifier: MIT
#include "app/platform/PaintBox.h"
#include "support/Fakes.h"

#include <QBackingStore>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>
#include <stdexcept>
#include <vector>

namespace {

struct MouseCall {
    char kind;
    TMouseButton button;
    TShiftState shift;
    int x;
    int y;
    bool operator==(const MouseCall&) const = default;
};

// Records the rectangles it is asked to paint.
class RecordingPaintBox : public TPaintBox {
public:
    QList<QRect> painted;

protected:
    void paintEvent(QPaintEvent* event) override {
        painted << event->rect();
        TPaintBox::paintEvent(event);
    }
};

class PaintBoxTest : public testing::Test {
protected:
    void SetUp() override {
        box.resize(40, 30);
        box.OnPaint = [this] {
            ++paints;
            box.Canvas().Brush.Color = 0x204060;
            box.Canvas().FillRect(Rect(0, 0, box.Width(), box.Height()));
        };
        box.OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y) {
            calls.push_back({'D', b, s, x, y});
        };
        box.OnMouseUp = [this](TMouseButton b, TShiftState s, int x, int y) {
            calls.push_back({'U', b, s, x, y});
        };
        box.OnMouseMove = [this](TShiftState s, int x, int y) {
            calls.push_back({'M', TMouseButton::mbLeft, s, x, y});
        };
        box.OnClick = [this] { calls.push_back({'C', TMouseButton::mbLeft, 0, 0, 0}); };
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    }

    RecordingPaintBox box;
    int paints = 0;
    std::vector<MouseCall> calls;
};

TEST_F(PaintBoxTest, PaintsOnFirstShowingAndOnRepaintOnly) {
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(box.Canvas().Pixel(39, 29), 0x204060u);
    box.update();
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, 1);
    box.Repaint();
    EXPECT_EQ(paints, 2);
    box.Refresh();
    EXPECT_EQ(paints, 3);
}

TEST_F(PaintBoxTest, ResizeGivesAFreshSurfaceOfTheColourAndAPaint) {
    box.OnPaint = [this] { ++paints; };
    box.Color = 0x00FF00;
    box.resize(50, 20);
    QCoreApplication::processEvents();
    EXPECT_EQ(box.Canvas().Width(), 50);
    EXPECT_EQ(box.Canvas().Height(), 20);
    EXPECT_EQ(box.Canvas().Pixel(45, 5), 0x00FF00u);
    EXPECT_EQ(paints, 2);
}

TEST_F(PaintBoxTest, DrawingBetweenPaintsReachesTheScreenAtOnce) {
    box.painted.clear();
    box.Canvas().Brush.Color = clWhite;
    box.Canvas().FillRect(Rect(2, 2, 5, 5));
    // Nothing processed events since the drawing: the paint of its rectangle has happened.
    ASSERT_FALSE(box.painted.isEmpty());
    EXPECT_TRUE(box.painted.last().contains(QRect(2, 2, 3, 3)));
    EXPECT_EQ(paints, 1);
    const QImage shown = box.grab().toImage();
    EXPECT_EQ(shown.pixel(3, 3) & 0xFFFFFFu, clWhite);
    EXPECT_EQ(shown.pixel(10, 10) & 0xFFFFFFu, 0x204060u);
}

TEST_F(PaintBoxTest, MouseEventsArriveInPaintBoxPixelsWithButtonsAndKeys) {
    QTest::mousePress(&box, Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 6));
    QTest::mouseRelease(&box, Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    QTest::mousePress(&box, Qt::RightButton, Qt::ControlModifier, QPoint(7, 8));
    QTest::mouseRelease(&box, Qt::RightButton, Qt::AltModifier, QPoint(7, 8));
    const std::vector<MouseCall> expected{
        {'D', TMouseButton::mbLeft, ssShift | ssLeft, 5, 6},
        {'C', TMouseButton::mbLeft, 0, 0, 0},
        {'U', TMouseButton::mbLeft, 0, 5, 6},
        {'D', TMouseButton::mbRight, ssCtrl | ssRight, 7, 8},
        {'U', TMouseButton::mbRight, ssAlt, 7, 8},
    };
    EXPECT_EQ(calls, expected);
}

TEST_F(PaintBoxTest, MovesAreTrackedWithoutAButtonAndNoClickWhenReleasedOutside) {
    int leaves = 0;
    box.OnMouseLeave = [&leaves] { ++leaves; };
    QEnterEvent enter(QPointF(3.5, 4.2), QPointF(3.5, 4.2), box.mapToGlobal(QPointF(3.5, 4.2)));
    QCoreApplication::sendEvent(&box, &enter);
    EXPECT_EQ(box.PointerPos(), QPoint(3, 4));
    EXPECT_TRUE(box.hasMouseTracking());
    QMouseEvent move(QEvent::MouseMove, QPointF(12, 13), box.mapToGlobal(QPointF(12, 13)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &move);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), (MouseCall{'M', TMouseButton::mbLeft, 0, 12, 13}));
    EXPECT_EQ(box.PointerPos(), QPoint(12, 13));

    calls.clear();
    QTest::mousePress(&box, Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    EXPECT_EQ(box.PointerPos(), QPoint(5, 6));
    // Taken outside by the held button, the pointer is over the box no more.
    QTest::mouseRelease(&box, Qt::LeftButton, Qt::NoModifier, QPoint(60, -4));
    EXPECT_EQ(box.PointerPos(), std::nullopt);
    const std::vector<MouseCall> expected{
        {'D', TMouseButton::mbLeft, ssLeft, 5, 6},
        {'U', TMouseButton::mbLeft, 0, 60, -4},
    };
    EXPECT_EQ(calls, expected);

    QTest::mousePress(&box, Qt::LeftButton, Qt::NoModifier, QPoint(39, 29));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&box, &leave);
    EXPECT_EQ(box.PointerPos(), std::nullopt);
    EXPECT_EQ(leaves, 1);
}

// Resized away from its window's size the box keeps its surface; back at that size the
// surface follows the box again.
TEST_F(PaintBoxTest, ResizedAwayFromItsWindowSizeTheSurfaceStays) {
    box.SetSurfaceSize(40, 30, QSize(40, 30));
    box.resize(100, 45);
    QCoreApplication::processEvents();
    EXPECT_EQ(box.Width(), 40);
    EXPECT_EQ(box.Height(), 30);
    box.resize(40, 30);
    QCoreApplication::processEvents();
    box.resize(60, 35);
    box.SetSurfaceSize(60, 35, QSize(60, 35));
    EXPECT_EQ(box.WidgetRect(QRect(3, 4, 5, 6)), QRect(3, 4, 5, 6));
}

// Each surface pixel coloured with its own coordinates. Letterboxed at the usual stretches,
// enlarged and shrunk: every screen pixel of the board shows the surface pixel a press there
// maps to, every kept line is shown equally thick, the rest of the box is the face colour,
// and a drawing between paints repaints every screen pixel that shows it.
TEST_F(PaintBoxTest, ScaledTheScreenShowsWhatAPressMapsToAndKeepsEveryLine) {
    const std::vector<int> colonnes{8, 16, 24, 32};
    const std::vector<int> lignes{7, 14, 21};
    box.SetSurfaceSize(40, 30, QSize(40, 30));
    box.SetKeptLines(colonnes, lignes);
    box.OnPaint = [this] {
        QImage& surface = box.Canvas().Surface();
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 40; ++x) {
                surface.setPixel(x, y, qRgb(x, y, 0));
            }
        }
    };
    const QRgb face = box.palette().color(QPalette::Window).rgb() & 0xFFFFFFu;
    // 1.875 across, 1.4 down and the reverse: scaled by 1.4; 1.875; shrunk to 0.6.
    for (const QSize fenetre : {QSize(75, 42), QSize(75, 60), QSize(24, 20)}) {
        SCOPED_TRACE(fenetre.width());
        box.resize(fenetre);
        box.Repaint();
        const QImage shown = box.grab().toImage();
        const QRect board = box.WidgetRect(QRect(0, 0, 40, 30));
        ASSERT_EQ(board.topLeft(), QPoint(0, 0));
        EXPECT_TRUE(board.width() == fenetre.width() || board.height() == fenetre.height());
        std::vector<int> largeurs(40);
        std::vector<int> hauteurs(30);
        for (int y = 0; y < fenetre.height(); ++y) {
            for (int x = 0; x < fenetre.width(); ++x) {
                const QRgb pixel = shown.pixel(x, y) & 0xFFFFFFu;
                const QPoint presse = box.SurfacePoint(QPointF(x + 0.99, y));
                if (!board.contains(x, y)) {
                    ASSERT_EQ(pixel, face);
                    ASSERT_FALSE(QRect(0, 0, 40, 30).contains(presse));
                    continue;
                }
                ASSERT_EQ(presse, box.SurfacePoint(QPointF(x, y + 0.5)));
                ASSERT_EQ(presse, QPoint(qRed(pixel), qGreen(pixel)));
                largeurs[std::size_t(presse.x())] += y == 0 ? 1 : 0;
                hauteurs[std::size_t(presse.y())] += x == 0 ? 1 : 0;
            }
        }
        const int epaisseur = std::max(1, board.width() / 40);
        for (const int colonne : colonnes) {
            EXPECT_EQ(largeurs[std::size_t(colonne)], epaisseur);
        }
        for (const int ligne : lignes) {
            EXPECT_EQ(hauteurs[std::size_t(ligne)], epaisseur);
        }
        for (const QRect dessin : {QRect(5, 3, 7, 9), QRect(31, 20, 1, 1), QRect(0, 0, 40, 1)}) {
            box.painted.clear();
            box.Canvas().FillRect(
                Rect(dessin.left(), dessin.top(), dessin.right() + 1, dessin.bottom() + 1));
            const QRect repeint = box.painted.isEmpty() ? QRect() : box.painted.last();
            for (int y = 0; y < fenetre.height(); ++y) {
                for (int x = 0; x < fenetre.width(); ++x) {
                    if (dessin.contains(box.SurfacePoint(QPointF(x, y)))) {
                        ASSERT_TRUE(repeint.contains(x, y)) << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST_F(PaintBoxTest, AFailingHandlerIsReportedOnceAndTheBoxGoesOn) {
    FakeMessages messages;
    box.OnMouseDown = [](TMouseButton, TShiftState, int, int) {
        throw std::runtime_error("Impossible de lire l'image « ./Savane/Lion01G.bmp »");
    };
    QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              QStringLiteral("Impossible de lire l'image « ./Savane/Lion01G.bmp »"));
    EXPECT_EQ(messages.messages[0].type, TMsgDlgType::mtError);
    EXPECT_EQ(messages.messages[0].buttons, TMsgDlgButtons::mbOK);

    box.OnPaint = [] { throw 42; };
    box.Repaint();
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].text, QStringLiteral("Erreur inconnue"));
    box.OnPaint = [this] { ++paints; };
    box.Repaint();
    EXPECT_EQ(paints, 2);
}

// Also run at ratios 1.25, 1.5, 1.75 and 2, where the edges of a box below a bar fall inside screen
// pixels. After a resize, and after a drawing over a screen first filled with another colour,
// each screen pixel shows what a press there reaches, or the face colour (the strip apart).
TEST(PaintBoxRatioTest, EveryScreenPixelShowsWhatAPressThereReaches) {
    QWidget fenetre;
    fenetre.resize(260, 200);
    TPaintBox box(&fenetre);
    box.setGeometry(3, 29, 121, 91);
    box.SetSurfaceSize(121, 91, QSize(1, 1));
    QImage& s = box.Canvas().Surface();
    std::iota(reinterpret_cast<QRgb*>(s.bits()), reinterpret_cast<QRgb*>(s.bits()) + 121 * 91,
              ~0u << 24);
    fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
    // The screen pixels behind the window, an image that a paint may replace.
    const auto ecran = [&] { return dynamic_cast<QImage*>(fenetre.backingStore()->paintDevice()); };
    const qreal r = box.devicePixelRatioF();
    for (const QSize taille : {QSize(250, 150), QSize(150, 160), QSize(97, 70)}) {
        for (const bool dessin : {false, true}) {
            if (dessin) {
                ecran()->fill(0xFF00FF);
                box.Canvas().CopyRect(Rect(0, 0, 121, 91), box.Canvas(), Rect(0, 0, 121, 91));
            }
            box.resize(taille);
            QCoreApplication::processEvents();
            for (int y = qRound(29 * r); y < qRound((29 + box.height()) * r); ++y) {
                for (int x = qRound(3 * r); x < qRound((3 + box.width()) * r); ++x) {
                    const QPoint p = box.SurfacePoint(QPointF(x / r - 3, y / r - 29));
                    const QRgb vu =
                        s.rect().contains(p) ? s.pixel(p) : box.palette().window().color().rgb();
                    const bool bande = box.childAt(int(std::ceil((x + 0.5) / r)) - 4,
                                                   int(std::ceil((y + 0.5) / r)) - 30);
                    ASSERT_TRUE(ecran()->pixel(x, y) == vu || (dessin && bande)) << x << "," << y;
                }
            }
        }
    }
}

TEST(PaintBoxHiddenTest, RepaintOfAHiddenBoxStillRebuildsItsSurface) {
    TPaintBox box;
    box.resize(4, 4);
    box.OnPaint = [&] {
        box.Canvas().Brush.Color = clWhite;
        box.Canvas().FillRect(Rect(0, 0, 4, 4));
    };
    box.Repaint();
    EXPECT_EQ(box.Canvas().Pixel(3, 3), clWhite);
}

} // namespace
