// SPDX-License-Identifier: MIT
#pragma once

#include "app/platform/Canvas.h"
#include "app/platform/Keys.h"
#include "app/platform/ScaledAxis.h"

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QPainter;
class QTouchEvent;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// A widget with a screen surface that its Canvas draws on, so that reading the canvas reads
// what the user sees. The surface has the widget's size, until SetSurfaceSize ties it to a
// size of the window: the window resized or maximised away from it, the widget shows the
// surface as large as fits with its proportions kept, against its top-left corner, the rest
// in the face colour with the usual pointer (for the box's events, the pointer has left it
// there), and maps every pointer position back into surface pixels through the
// very scale that drew them, so that handlers only ever see the surface. OnPaint rebuilds the
// surface when it must (first showing, new surface size, Repaint, Refresh); drawing outside
// OnPaint reaches the screen at once, even while a handler waits without processing messages. Every
// handler runs guarded. OnMouseEnter and OnMouseLeave run when the pointer enters and leaves.
// A finger on a touch screen acts as the mouse's left button: a move to where it lands, then
// a press, moves as it slides and a release; other fingers meanwhile are ignored, and so are
// the mouse events some systems make of the same touch, which would press a second time.
// With an OnKeyDown handler the box keeps Tab and Shift+Tab for it; a key the handler leaves
// non-zero goes on to the window.
class TPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent = nullptr);

    std::function<void()> OnPaint;
    std::function<void()> OnClick;
    std::function<void(TMouseButton, TShiftState, int X, int Y)> OnMouseDown;
    std::function<void(TMouseButton, TShiftState, int X, int Y)> OnMouseUp;
    std::function<void(TShiftState, int X, int Y)> OnMouseMove;
    std::function<void(WORD& Key, TShiftState)> OnKeyDown;
    TKeyRepeats KeyRepeats; // which presses of a key reach OnKeyDown
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

    TCanvas& Canvas();
    // The surface's size, whatever the widget's.
    int Width() const { return surface_.width(); }
    int Height() const { return surface_.height(); }
    // A surface of width x height, the box's size when its window has windowSize: while the
    // window has that size the surface follows the box's own, as laid out.
    void SetSurfaceSize(int width, int height, const QSize& windowSize);
    // Where the pointer is over the box, in surface pixels, as the last event or
    // FindPointer told; none once it has left, or while a held button has taken it outside.
    std::optional<QPoint> PointerPos() const { return pointer_; }
    // Asks the window system where the pointer is: a box shown under it, and not covered
    // there by another window, takes it as its pointer position; elsewhere, only a position
    // set by SetPointerPos stays.
    void FindPointer();
    // On the screen, where the window system saw the pointer or the finger at the event being
    // handled: the window may have moved since.
    QPoint ScreenPointer() const { return screenPointer_; }
    // Where the game points without the mouse (the keyboard): the pointer position until the
    // mouse's next event.
    void SetPointerPos(const QPoint& at);
    // The surface pixel under a point of the widget (beyond the surface's edges outside the
    // part that shows it), and the widget's rectangle that shows a rectangle of the surface.
    QPoint SurfacePoint(const QPointF& widgetPoint) const;
    QRect WidgetRect(const QRect& surfaceRect) const;
    // Surface columns and rows (a grid's lines) that a smaller scale never drops and a larger
    // one shows all equally thick.
    void SetKeptLines(std::vector<int> columns, std::vector<int> rows);
    TColor Color = clBlack;

    // Both run OnPaint and show the result at once.
    void Repaint();
    void Refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Press(const QPoint& at, TMouseButton button, TShiftState shift);
    void Release(const QPoint& at, TMouseButton button, TShiftState shift);
    void Move(const QPoint& at, TShiftState shift);
    void Touch(QTouchEvent& event);
    void SurfaceChanged(const QRect& rect);
    void RunOnPaint();
    void Track(const QPoint& at, const QPointF& screen);
    void NewSurface(const QSize& size);
    // The screen pixels the widget covers in its window's backing store. At a ratio that is
    // not whole, an edge at a fractional screen pixel is rounded by the toolkit, so their count
    // depends on where the widget is and not on its size alone.
    QRect DeviceBounds() const;
    // The widget's screen pixel under a point of the widget.
    QPoint DevicePixel(const QPointF& widgetPoint) const;
    // The first widget column (row) whose screen pixels start at or after screen pixel
    // devicePixel of the widget.
    int LogicalFrom(int devicePixel, Qt::Orientation orientation) const;
    // The surface goes through the scale unless it is shown pixel for pixel at ratio 1.
    bool Scaled() const;
    // Both axes of the surface's scale at the widget's current size, kept until either changes.
    struct Scale {
        QSize surface;
        QSize device;
        ScaledAxis columns;
        ScaledAxis rows;
    };
    const Scale& CurrentScale() const;
    void PaintScaled(QPainter& painter, const QRect& rect);
    void PlaceMargin();
    void PointerLeft();

    QImage surface_;
    std::optional<QSize> windowSize_; // the window's size at which the surface follows
    std::vector<int> keptColumns_;
    std::vector<int> keptRows_;
    mutable std::optional<Scale> scale_;
    QImage shown_;              // the widget's screen pixels, rebuilt where a paint asks
    QWidget* margin_ = nullptr; // the part of the box that the scaled surface leaves; a child
    TCanvas canvas_;
    bool needsPaint_ = true;
    bool painting_ = false;
    bool clickPending_ = false;
    std::optional<QPoint> pointer_;
    QPoint screenPointer_;
    bool pointerFromMouse_ = true;
    std::optional<int> finger_; // the touch point that acts as the mouse, while it is down
};
