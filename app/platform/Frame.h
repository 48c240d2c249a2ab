// SPDX-License-Identifier: MIT
// The frame a window manager draws around a top-level window (title bar and borders), in
// logical pixels, and the placing of windows inside the work area.
#pragma once

#include "app/platform/Rect.h"

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <functional>
#include <optional>

class QTimer;
class QWidget;
class QWindow;

// For a window the window system has not framed yet: no frame for a frameless window,
// otherwise one at least as large as the usual title bars and borders.
QMargins EstimatedFrame(const QWidget& window);

// The frame of window as Qt knows it, or the estimate while Qt knows of none.
QMargins FrameOf(const QWidget& window);

// Where outer goes to lie inside area: moved as little as possible, never resized; its
// top-left corner stays inside when it is larger than the area.
QPoint KeptInside(const QRect& outer, const TRect& area);

// Moves window so that its frame is centred on over's frame, then inside the work area.
void PlaceCentredOn(QWidget& window, const QWidget& over);

// Follows the frame of a top-level window as the window system reports it, from the first
// time the window is on the screen. Lives as a child of the window.
class WindowFrame : public QObject {
    Q_OBJECT
public:
    explicit WindowFrame(QWidget& window);

    // The frame last reported, or the estimate before the first report.
    QMargins Margins() const;
    bool Known() const { return reported_.has_value(); }

    // Runs at the first report and at every report of another frame, once the window system's
    // events already received are handled.
    std::function<void()> OnChange;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Follow();
    void Report();

    QWidget& window_;
    QPointer<QWindow> handle_;
    QTimer* settle_ = nullptr; // owned by this
    std::optional<QMargins> reported_;
};
