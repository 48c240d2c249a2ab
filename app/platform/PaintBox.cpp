// SPDX-License-Identifier: MIT
#include "app/platform/PaintBox.h"

#include "app/platform/Guard.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <cmath>
#include <optional>

namespace {

std::optional<TMouseButton> ButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return TMouseButton::mbLeft;
    case Qt::RightButton:
        return TMouseButton::mbRight;
    case Qt::MiddleButton:
        return TMouseButton::mbMiddle;
    default:
        return std::nullopt;
    }
}

TShiftState ShiftOf(const QMouseEvent& event) {
    TShiftState shift = ShiftOf(event.modifiers());
    const Qt::MouseButtons buttons = event.buttons();
    if (buttons & Qt::LeftButton) {
        shift |= ssLeft;
    }
    if (buttons & Qt::RightButton) {
        shift |= ssRight;
    }
    if (buttons & Qt::MiddleButton) {
        shift |= ssMiddle;
    }
    return shift;
}

QPoint PixelOf(const QPointF& position) {
    return QPoint(int(std::floor(position.x())), int(std::floor(position.y())));
}

} // namespace

TPaintBox::TPaintBox(QWidget* parent)
    : QWidget(parent), canvas_([this]() -> QImage& { return surface_; },
                               [this](const QRect& rect) { SurfaceChanged(rect); }) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    NewSurface(size());
}

void TPaintBox::NewSurface(const QSize& size) {
    surface_ = QImage(size, QImage::Format_RGB32);
    surface_.fill(QColor::fromRgb(Color));
    needsPaint_ = true;
}

void TPaintBox::SetSurfaceSize(int width, int height, const QSize& windowSize) {
    windowSize_ = windowSize;
    if (surface_.size() != QSize(width, height)) {
        NewSurface(QSize(width, height));
        update();
    }
}

QPoint TPaintBox::SurfacePoint(const QPointF& widgetPoint) const {
    if (!Stretched() || width() <= 0 || height() <= 0) {
        return PixelOf(widgetPoint);
    }
    // The stretched surface is sampled at the centres of the screen's pixels: the point takes
    // the surface pixel its screen pixel shows.
    const qreal centre = 0.5 / devicePixelRatioF();
    return PixelOf(QPointF((widgetPoint.x() + centre) * surface_.width() / width(),
                           (widgetPoint.y() + centre) * surface_.height() / height()));
}

QRect TPaintBox::WidgetRect(const QRect& surfaceRect) const {
    if (!Stretched() || surface_.isNull()) {
        return surfaceRect;
    }
    const qreal sx = qreal(width()) / surface_.width();
    const qreal sy = qreal(height()) / surface_.height();
    const QRectF shown(surfaceRect.x() * sx, surfaceRect.y() * sy, surfaceRect.width() * sx,
                       surfaceRect.height() * sy);
    return shown.toAlignedRect();
}

TCanvas& TPaintBox::Canvas() {
    return canvas_;
}

void TPaintBox::Repaint() {
    needsPaint_ = true;
    if (isVisible()) {
        repaint();
    } else {
        RunOnPaint();
    }
}

void TPaintBox::Refresh() {
    Repaint();
}

void TPaintBox::RunOnPaint() {
    needsPaint_ = false;
    if (!OnPaint) {
        return;
    }
    painting_ = true;
    Guard(OnPaint);
    painting_ = false;
}

void TPaintBox::SurfaceChanged(const QRect& rect) {
    // Drawings made between paints must show at once, even in a handler that waits
    // without handling messages.
    if (!painting_) {
        repaint(WidgetRect(rect));
    }
}

void TPaintBox::paintEvent(QPaintEvent* event) {
    if (needsPaint_) {
        RunOnPaint();
    }
    QPainter painter(this);
    if (!Stretched()) {
        painter.drawImage(event->rect(), surface_, event->rect());
        return;
    }
    // Stretched without smoothing: every pixel shown is one of the surface's, exactly, and
    // the paint's clip keeps the work to the rectangle asked for.
    painter.drawImage(QRectF(rect()), surface_, QRectF(surface_.rect()));
}

void TPaintBox::resizeEvent(QResizeEvent* event) {
    const bool follows = !windowSize_ || window()->size() == *windowSize_;
    if (follows && surface_.size() != event->size()) {
        NewSurface(event->size());
    }
}

void TPaintBox::FindPointer() {
    const QPoint global = QCursor::pos();
    if (isVisible() && QApplication::widgetAt(global) == this) {
        Track(SurfacePoint(mapFromGlobal(QPointF(global))));
    } else if (pointerFromMouse_) {
        pointer_.reset();
    }
}

void TPaintBox::Track(const QPoint& at) {
    pointerFromMouse_ = true;
    if (surface_.rect().contains(at)) {
        pointer_ = at;
    } else {
        pointer_.reset();
    }
}

void TPaintBox::mousePressEvent(QMouseEvent* event) {
    const QPoint at = SurfacePoint(event->position());
    Track(at);
    const std::optional<TMouseButton> button = ButtonOf(event->button());
    if (!button) {
        return;
    }
    if (*button == TMouseButton::mbLeft) {
        clickPending_ = surface_.rect().contains(at);
    }
    if (OnMouseDown) {
        Guard([&] { OnMouseDown(*button, ShiftOf(*event), at.x(), at.y()); });
    }
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = SurfacePoint(event->position());
    Track(at);
    const std::optional<TMouseButton> button = ButtonOf(event->button());
    if (!button) {
        return;
    }
    // As the toolkit does it: the click of a left press and release inside, before the
    // release itself.
    if (*button == TMouseButton::mbLeft) {
        const bool click = clickPending_ && surface_.rect().contains(at);
        clickPending_ = false;
        if (click && OnClick) {
            Guard(OnClick);
        }
    }
    if (OnMouseUp) {
        Guard([&] { OnMouseUp(*button, ShiftOf(*event), at.x(), at.y()); });
    }
}

void TPaintBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = SurfacePoint(event->position());
    Track(at);
    if (OnMouseMove) {
        Guard([&] { OnMouseMove(ShiftOf(*event), at.x(), at.y()); });
    }
}

void TPaintBox::keyPressEvent(QKeyEvent* event) {
    WORD key = VirtualKey(*event);
    if (!OnKeyDown || key == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A repeat left unanswered is still the box's: it must not reach the window either.
    const bool answered =
        KeyRepeats.Answer(*event, key, [&] { Guard([&] { OnKeyDown(key, ShiftOf(*event)); }); });
    event->setAccepted(!answered || key == 0);
}

// Tab and Shift+Tab go to the key handler rather than to the next widget.
bool TPaintBox::focusNextPrevChild(bool next) {
    return OnKeyDown ? false : QWidget::focusNextPrevChild(next);
}

void TPaintBox::SetPointerPos(const QPoint& at) {
    pointer_ = at;
    pointerFromMouse_ = false;
}

void TPaintBox::enterEvent(QEnterEvent* event) {
    Track(SurfacePoint(event->position()));
    if (OnMouseEnter) {
        Guard(OnMouseEnter);
    }
}

void TPaintBox::leaveEvent(QEvent*) {
    pointer_.reset();
    if (OnMouseLeave) {
        Guard(OnMouseLeave);
    }
}

#include "moc_PaintBox.cpp"
