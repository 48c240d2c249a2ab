// SPDX-License-Identifier: MIT
#include "app/platform/Frame.h"

#include "app/platform/Screen.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

// Title bars are about 20 to 37 pixels high and borders up to 8 wide: a window sized with
// this estimate fits once framed, and is sized again when the true frame is smaller.
constexpr QMargins kEstimatedFrame(8, 40, 8, 8);

} // namespace

QMargins EstimatedFrame(const QWidget& window) {
    return window.windowFlags().testFlag(Qt::FramelessWindowHint) ? QMargins() : kEstimatedFrame;
}

// Qt knows no frame before the window manager has framed the window, nor when there is no
// window manager at all: the estimate then keeps the window clear of the work area's edges.
QMargins FrameOf(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    if (outer == inner) {
        return EstimatedFrame(window);
    }
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

QPoint KeptInside(const QRect& outer, const TRect& area) {
    const int left = std::max(area.Left, std::min(outer.left(), area.Right - outer.width()));
    const int top = std::max(area.Top, std::min(outer.top(), area.Bottom - outer.height()));
    return {left, top};
}

void PlaceCentredOn(QWidget& window, const QWidget& over) {
    const QSize outer = window.size().grownBy(FrameOf(window));
    const QRect reference = over.frameGeometry();
    const QPoint centred(reference.left() + reference.width() / 2 - outer.width() / 2,
                         reference.top() + reference.height() / 2 - outer.height() / 2);
    // A top-level window's position is its frame's.
    window.move(KeptInside(QRect(centred, outer), WorkArea()));
}

// Qt reads the frame from the window manager when asked, but the window's size and state from
// events in turn: an event of the normal window read with the frame of a window maximised since
// (a double click on the title while the program was busy) would size the normal window for the
// maximised frame, and its resizing would take the window out of its maximised state. The frame
// is read once the events already received have told the window's size and state.
WindowFrame::WindowFrame(QWidget& window) : QObject(&window), window_(window) {
    window.installEventFilter(this);
    settle_ = new QTimer(this);
    settle_->setSingleShot(true);
    settle_->setInterval(0);
    connect(settle_, &QTimer::timeout, this, &WindowFrame::Report);
}

QMargins WindowFrame::Margins() const {
    return reported_.value_or(EstimatedFrame(window_));
}

bool WindowFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        if (event->type() == QEvent::Show) {
            Follow();
        } else if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
                   event->spontaneous()) {
            settle_->start();
        }
    } else if (event->type() == QEvent::Expose) {
        settle_->start();
    }
    return false;
}

// The native window exists from the first showing on; it is made anew when the window's
// flags change.
void WindowFrame::Follow() {
    QWindow* handle = window_.windowHandle();
    if (handle == nullptr || handle == handle_) {
        return;
    }
    handle_ = handle;
    handle->installEventFilter(this);
}

// A window manager frames a window before it maps it: once the window is on the screen,
// its frame is the true one (none without a window manager).
void WindowFrame::Report() {
    if (!handle_ || !handle_->isExposed()) {
        return;
    }
    const QMargins frame = handle_->frameMargins();
    const bool changed = !reported_ || *reported_ != frame;
    reported_ = frame;
    if (changed && OnChange) {
        OnChange();
    }
}

#include "moc_Frame.cpp"
