// SPDX-License-Identifier: MIT
#include "app/platform/PaintBox.h"

#include "app/platform/Guard.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTouchEvent>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
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

// A touch already played as the mouse: the system's mouse events made of it are a copy.
bool FromTouch(const QMouseEvent& event) {
    return event.source() == Qt::MouseEventSynthesizedBySystem;
}

// A pointer the window system puts on a whole screen pixel comes back, divided by the ratio
// and multiplied again, a hair short of it.
constexpr qreal kRounding = 1.0 / 1024;

} // namespace

TPaintBox::TPaintBox(QWidget* parent)
    : QWidget(parent), canvas_([this]() -> QImage& { return surface_; },
                               [this](const QRect& rect) { SurfaceChanged(rect); }) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
    margin_ = new QWidget(this);
    margin_->hide();
    margin_->setAutoFillBackground(true);
    margin_->setCursor(Qt::ArrowCursor);
    margin_->setAttribute(Qt::WA_NoMousePropagation);
    margin_->installEventFilter(this);
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
        PlaceMargin();
        update();
    }
}

// The right or bottom strip that the surface leaves, the other being empty: the surface's
// proportions fill one way. The strip starts at the first widget pixel wholly past the
// surface's screen pixels, so that it never covers them; the screen pixels between are the
// box's own, painted in the face colour.
void TPaintBox::PlaceMargin() {
    QRect margin;
    if (Scaled()) {
        const Scale& scale = CurrentScale();
        if (scale.columns.Screen() < scale.device.width()) {
            margin = rect().adjusted(LogicalFrom(scale.columns.Screen(), Qt::Horizontal), 0, 0, 0);
        } else if (scale.rows.Screen() < scale.device.height()) {
            margin = rect().adjusted(0, LogicalFrom(scale.rows.Screen(), Qt::Vertical), 0, 0);
        }
    }
    margin_->setGeometry(margin);
    margin_->setVisible(!margin.isEmpty());
}

void TPaintBox::SetKeptLines(std::vector<int> columns, std::vector<int> rows) {
    if (columns != keptColumns_ || rows != keptRows_) {
        keptColumns_ = std::move(columns);
        keptRows_ = std::move(rows);
        scale_.reset();
    }
}

QRect TPaintBox::DeviceBounds() const {
    const qreal ratio = devicePixelRatioF();
    const QPoint origin = mapTo(window(), QPoint(0, 0));
    const int left = qRound(origin.x() * ratio);
    const int top = qRound(origin.y() * ratio);
    return QRect(left, top, qRound((origin.x() + width()) * ratio) - left,
                 qRound((origin.y() + height()) * ratio) - top);
}

QPoint TPaintBox::DevicePixel(const QPointF& widgetPoint) const {
    const QPointF inWindow = (widgetPoint + mapTo(window(), QPoint(0, 0))) * devicePixelRatioF();
    return PixelOf(inWindow + QPointF(kRounding, kRounding)) - DeviceBounds().topLeft();
}

int TPaintBox::LogicalFrom(int devicePixel, Qt::Orientation orientation) const {
    const qreal ratio = devicePixelRatioF();
    const QPoint origin = mapTo(window(), QPoint(0, 0));
    const int offset = orientation == Qt::Horizontal ? origin.x() : origin.y();
    const int target = qRound(offset * ratio) + devicePixel;
    int logical = int(std::floor(target / ratio)) - offset - 1;
    while (qRound((offset + logical) * ratio) < target) {
        ++logical;
    }
    return logical;
}

bool TPaintBox::Scaled() const {
    const QSize device = DeviceBounds().size();
    return !device.isEmpty() && !surface_.isNull() &&
           (surface_.size() != device || devicePixelRatioF() != 1);
}

const TPaintBox::Scale& TPaintBox::CurrentScale() const {
    const QSize device = DeviceBounds().size();
    if (!scale_ || scale_->surface != surface_.size() || scale_->device != device) {
        const QSize shown = Fitted(surface_.size(), device);
        scale_ = Scale{surface_.size(), device,
                       ScaledAxis(surface_.width(), shown.width(), keptColumns_),
                       ScaledAxis(surface_.height(), shown.height(), keptRows_)};
    }
    return *scale_;
}

QPoint TPaintBox::SurfacePoint(const QPointF& widgetPoint) const {
    if (!Scaled()) {
        return PixelOf(widgetPoint);
    }
    const Scale& scale = CurrentScale();
    const QPoint device = DevicePixel(widgetPoint);
    return QPoint(scale.columns.PictureOf(device.x()), scale.rows.PictureOf(device.y()));
}

QRect TPaintBox::WidgetRect(const QRect& surfaceRect) const {
    if (!Scaled()) {
        return surfaceRect;
    }
    const Scale& scale = CurrentScale();
    const auto [left, right] =
        scale.columns.ScreenSpan(surfaceRect.left(), surfaceRect.left() + surfaceRect.width());
    const auto [top, bottom] =
        scale.rows.ScreenSpan(surfaceRect.top(), surfaceRect.top() + surfaceRect.height());
    if (left >= right || top >= bottom) {
        return {};
    }
    // Widened to whole widget pixels, which the toolkit's rounding keeps around the span.
    const QPoint start = DeviceBounds().topLeft() + QPoint(left, top);
    const qreal ratio = devicePixelRatioF();
    return QRectF(QPointF(start) / ratio - QPointF(mapTo(window(), QPoint(0, 0))),
                  QSizeF(right - left, bottom - top) / ratio)
               .toAlignedRect() &
           rect();
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
    canvas_.WritePending();
    QPainter painter(this);
    if (Scaled()) {
        PaintScaled(painter, event->rect());
    } else {
        painter.drawImage(event->rect(), surface_, event->rect());
    }
}

// Every screen pixel of rect shows the one surface pixel its scale gives it, or the face
// colour past the surface. The widget's screen pixels are drawn from its own corner: an image
// placed at a fractional screen pixel would be rounded by the toolkit one way or the other.
void TPaintBox::PaintScaled(QPainter& painter, const QRect& rect) {
    const Scale& scale = CurrentScale();
    const QRect bounds = DeviceBounds();
    const qreal ratio = devicePixelRatioF();
    if (shown_.size() != bounds.size()) {
        shown_ = QImage(bounds.size(), QImage::Format_RGB32);
    }
    // Every screen pixel the toolkit may give rect, whichever way it rounds.
    const QRect device = QRectF(QPointF(rect.topLeft() + mapTo(window(), QPoint(0, 0))) * ratio,
                                QSizeF(rect.size()) * ratio)
                             .toAlignedRect()
                             .translated(-bounds.topLeft()) &
                         shown_.rect();
    if (device.isEmpty()) {
        return;
    }
    const int right = std::clamp(scale.columns.Screen(), device.left(), device.right() + 1);
    const std::uint32_t face = margin_->palette().color(margin_->backgroundRole()).rgb();
    const int* const columns = scale.columns.Table().data();
    const int* const rows = scale.rows.Table().data();
    for (int y = device.top(); y <= device.bottom(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(shown_.scanLine(y)) + device.left();
        if (y >= scale.rows.Screen()) {
            std::fill_n(line, device.width(), face);
        } else if (y > device.top() && rows[y] == rows[y - 1]) {
            std::memcpy(line, shown_.constScanLine(y - 1) + std::size_t(device.left()) * 4,
                        std::size_t(device.width()) * 4);
        } else {
            const auto* source =
                reinterpret_cast<const std::uint32_t*>(surface_.constScanLine(rows[y]));
            for (int x = device.left(); x < right; ++x) {
                line[x - device.left()] = source[columns[x]];
            }
            std::fill(line + (right - device.left()), line + device.width(), face);
        }
    }
    shown_.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF(0, 0), shown_);
}

void TPaintBox::resizeEvent(QResizeEvent* event) {
    const bool follows = !windowSize_ || window()->size() == *windowSize_;
    if (follows && surface_.size() != event->size()) {
        NewSurface(event->size());
    }
    PlaceMargin();
}

void TPaintBox::moveEvent(QMoveEvent*) {
    // Moved by a fraction of a screen pixel, the widget's edges round otherwise.
    PlaceMargin();
}

void TPaintBox::FindPointer() {
    const QPoint global = QCursor::pos();
    if (isVisible() && QApplication::widgetAt(global) == this) {
        Track(SurfacePoint(mapFromGlobal(QPointF(global))), global);
    } else if (pointerFromMouse_) {
        pointer_.reset();
    }
}

void TPaintBox::Track(const QPoint& at, const QPointF& screen) {
    pointerFromMouse_ = true;
    screenPointer_ = screen.toPoint();
    if (surface_.rect().contains(at)) {
        pointer_ = at;
    } else {
        pointer_.reset();
    }
}

void TPaintBox::mousePressEvent(QMouseEvent* event) {
    if (FromTouch(*event)) {
        return;
    }
    const QPoint at = SurfacePoint(event->position());
    Track(at, event->globalPosition());
    if (const std::optional<TMouseButton> button = ButtonOf(event->button())) {
        Press(at, *button, ShiftOf(*event));
    }
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* event) {
    if (FromTouch(*event)) {
        return;
    }
    const QPoint at = SurfacePoint(event->position());
    Track(at, event->globalPosition());
    if (const std::optional<TMouseButton> button = ButtonOf(event->button())) {
        Release(at, *button, ShiftOf(*event));
    }
}

void TPaintBox::mouseMoveEvent(QMouseEvent* event) {
    if (FromTouch(*event)) {
        return;
    }
    const QPoint at = SurfacePoint(event->position());
    Track(at, event->globalPosition());
    Move(at, ShiftOf(*event));
}

void TPaintBox::Press(const QPoint& at, TMouseButton button, TShiftState shift) {
    if (button == TMouseButton::mbLeft) {
        clickPending_ = surface_.rect().contains(at);
    }
    if (OnMouseDown) {
        Guard([&] { OnMouseDown(button, shift, at.x(), at.y()); });
    }
}

void TPaintBox::Release(const QPoint& at, TMouseButton button, TShiftState shift) {
    // As the toolkit does it: the click of a left press and release inside, before the
    // release itself.
    if (button == TMouseButton::mbLeft) {
        const bool click = clickPending_ && surface_.rect().contains(at);
        clickPending_ = false;
        if (click && OnClick) {
            Guard(OnClick);
        }
    }
    if (OnMouseUp) {
        Guard([&] { OnMouseUp(button, shift, at.x(), at.y()); });
    }
}

void TPaintBox::Move(const QPoint& at, TShiftState shift) {
    if (OnMouseMove) {
        Guard([&] { OnMouseMove(shift, at.x(), at.y()); });
    }
}

bool TPaintBox::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        Touch(*static_cast<QTouchEvent*>(event));
        return true;
    default:
        return QWidget::event(event);
    }
}

// A finger plays as the left button does, the pointer moved first to where it lands: nothing
// waits for a hover that a touch screen never gives. Only the first finger down counts, until
// every finger is lifted.
void TPaintBox::Touch(QTouchEvent& event) {
    event.accept();
    if (event.type() == QEvent::TouchCancel) {
        finger_.reset();
        clickPending_ = false;
        return;
    }
    for (const QEventPoint& point : event.points()) {
        if (event.type() == QEvent::TouchBegin && !finger_) {
            finger_ = point.id();
        }
        if (point.id() != finger_) {
            continue;
        }
        const QPoint at = SurfacePoint(point.position());
        const bool moved = pointer_ != at;
        Track(at, point.globalPosition());
        if (point.state() == QEventPoint::Pressed) {
            Move(at, 0);
            Press(at, TMouseButton::mbLeft, ssLeft);
        } else if (point.state() == QEventPoint::Updated && moved) {
            Move(at, ssLeft);
        } else if (point.state() == QEventPoint::Released) {
            finger_.reset();
            Release(at, TMouseButton::mbLeft, 0);
        }
    }
    if (event.type() == QEvent::TouchEnd) {
        finger_.reset();
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

void TPaintBox::keyReleaseEvent(QKeyEvent* event) {
    KeyRepeats.Released(*event, VirtualKey(*event));
    QWidget::keyReleaseEvent(event);
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
    Track(SurfacePoint(event->position()), event->globalPosition());
    if (OnMouseEnter) {
        Guard(OnMouseEnter);
    }
}

void TPaintBox::leaveEvent(QEvent*) {
    PointerLeft();
}

void TPaintBox::PointerLeft() {
    pointer_.reset();
    if (OnMouseLeave) {
        Guard(OnMouseLeave);
    }
}

// The window system sees the margin as a child: going there leaves the box, and coming back
// from it enters the box again.
bool TPaintBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == margin_ && event->type() == QEvent::Enter) {
        PointerLeft();
    } else if (watched == margin_ && event->type() == QEvent::Leave &&
               rect().contains(mapFromGlobal(QCursor::pos()))) {
        QEnterEvent enter(mapFromGlobal(QCursor::pos()), QCursor::pos(), QCursor::pos());
        enterEvent(&enter);
    }
    return QWidget::eventFilter(watched, event);
}

#include "moc_PaintBox.cpp"
