// SPDX-License-Identifier: MIT
#pragma once

#include "app/platform/Canvas.h"
#include "app/platform/Types.h"

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

// A widget with a screen surface of its own size that its Canvas draws on, so that reading
// the canvas reads what the user sees. OnPaint rebuilds the surface when it must (first
// showing, resize, Repaint, Refresh); drawing outside OnPaint reaches the screen at once,
// even while a handler waits without processing messages. Every handler runs guarded.
// OnMouseLeave runs when the pointer leaves the box.
class TPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent = nullptr);

    std::function<void()> OnPaint;
    std::function<void()> OnClick;
    std::function<void(TMouseButton, TShiftState, int X, int Y)> OnMouseDown;
    std::function<void(TMouseButton, TShiftState, int X, int Y)> OnMouseUp;
    std::function<void(TShiftState, int X, int Y)> OnMouseMove;
    std::function<void()> OnMouseLeave;

    TCanvas& Canvas();
    int Width() const { return width(); }
    int Height() const { return height(); }
    // Where the pointer is over the box, as the last event told; none once it has left, or
    // while a held button has taken it outside.
    std::optional<QPoint> PointerPos() const { return pointer_; }
    TColor Color = clBlack;

    // Both run OnPaint and show the result at once.
    void Repaint();
    void Refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void SurfaceChanged(const QRect& rect);
    void RunOnPaint();
    void Track(const QPoint& at);

    QImage surface_;
    TCanvas canvas_;
    bool needsPaint_ = true;
    bool painting_ = false;
    bool clickPending_ = false;
    std::optional<QPoint> pointer_;
};
