// SPDX-License-Identifier: MIT
#include "app/platform/PaintBox.h"
#include "support/Fakes.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>
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
    EXPECT_TRUE(box.hasMouseTracking());
    QMouseEvent move(QEvent::MouseMove, QPointF(12, 13), box.mapToGlobal(QPointF(12, 13)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &move);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), (MouseCall{'M', TMouseButton::mbLeft, 0, 12, 13}));

    calls.clear();
    QTest::mousePress(&box, Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    QTest::mouseRelease(&box, Qt::LeftButton, Qt::NoModifier, QPoint(60, -4));
    const std::vector<MouseCall> expected{
        {'D', TMouseButton::mbLeft, ssLeft, 5, 6},
        {'U', TMouseButton::mbLeft, 0, 60, -4},
    };
    EXPECT_EQ(calls, expected);
}

TEST_F(PaintBoxTest, TheBoxKnowsWhereThePointerIsUntilItLeaves) {
    int leaves = 0;
    box.OnMouseLeave = [&leaves] { ++leaves; };
    const auto move = [this](QPointF at, Qt::MouseButtons buttons) {
        QMouseEvent event(QEvent::MouseMove, at, box.mapToGlobal(at), Qt::NoButton, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&box, &event);
    };
    QEnterEvent enter(QPointF(3.5, 4.2), QPointF(3.5, 4.2), box.mapToGlobal(QPointF(3.5, 4.2)));
    QCoreApplication::sendEvent(&box, &enter);
    EXPECT_EQ(box.PointerPos(), QPoint(3, 4));
    move(QPointF(12, 13), Qt::NoButton);
    EXPECT_EQ(box.PointerPos(), QPoint(12, 13));
    QTest::mousePress(&box, Qt::LeftButton, Qt::NoModifier, QPoint(20, 9));
    EXPECT_EQ(box.PointerPos(), QPoint(20, 9));
    // A held button takes the pointer outside, where it is over the box no more.
    for (const QPointF outside : {QPointF(-0.5, 10), QPointF(10, -0.5), QPointF(40, 10)}) {
        move(outside, Qt::LeftButton);
        EXPECT_EQ(box.PointerPos(), std::nullopt);
    }
    QTest::mouseRelease(&box, Qt::LeftButton, Qt::NoModifier, QPoint(39, 29));
    EXPECT_EQ(box.PointerPos(), QPoint(39, 29));
    EXPECT_EQ(leaves, 0);

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&box, &leave);
    EXPECT_EQ(box.PointerPos(), std::nullopt);
    EXPECT_EQ(leaves, 1);
}

TEST_F(PaintBoxTest, AFingerActsAsTheMouseMovingThereFirst) {
    QPointingDevice* screen = QTest::createTouchDevice();
    QTest::touchEvent(&box, screen).press(0, QPoint(10, 12));
    EXPECT_EQ(box.PointerPos(), QPoint(10, 12));
    QTest::touchEvent(&box, screen).move(0, QPoint(15, 14));
    QTest::touchEvent(&box, screen).release(0, QPoint(15, 14));
    QTest::touchEvent(&box, screen).press(0, QPoint(15, 14));
    QTest::touchEvent(&box, screen).release(0, QPoint(15, 14));
    const std::vector<MouseCall> expected{
        {'M', TMouseButton::mbLeft, 0, 10, 12},      {'D', TMouseButton::mbLeft, ssLeft, 10, 12},
        {'M', TMouseButton::mbLeft, ssLeft, 15, 14}, {'C', TMouseButton::mbLeft, 0, 0, 0},
        {'U', TMouseButton::mbLeft, 0, 15, 14},      {'D', TMouseButton::mbLeft, ssLeft, 15, 14},
        {'C', TMouseButton::mbLeft, 0, 0, 0},        {'U', TMouseButton::mbLeft, 0, 15, 14},
    };
    EXPECT_EQ(calls, expected);
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

    box.OnMouseLeave = [] { throw std::runtime_error("Pointeur perdu"); };
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&box, &leave);
    ASSERT_EQ(messages.messages.size(), 3u);
    EXPECT_EQ(messages.messages[2].text, QStringLiteral("Pointeur perdu"));
}

TEST(PaintBox, RepaintOfAHiddenBoxStillRebuildsItsSurface) {
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
