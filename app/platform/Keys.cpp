// SPDX-License-Identifier: MIT
#include "app/platform/Keys.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <algorithm>

WORD VirtualKey(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    default:
        return 0;
    }
}

TShiftState ShiftOf(const QKeyEvent& event) {
    TShiftState shift = ShiftOf(event.modifiers());
    if (event.key() == Qt::Key_Backtab) {
        shift |= ssShift;
    }
    return shift;
}

TShiftState ShiftOf(Qt::KeyboardModifiers modifiers) {
    TShiftState shift = 0;
    if (modifiers & Qt::ShiftModifier) {
        shift |= ssShift;
    }
    if (modifiers & Qt::AltModifier) {
        shift |= ssAlt;
    }
    if (modifiers & Qt::ControlModifier) {
        shift |= ssCtrl;
    }
    return shift;
}

bool TKeyRepeats::Answer(const QKeyEvent& event, WORD key, const std::function<void()>& answer) {
    if (event.isAutoRepeat()) {
        // The window system's clock is 32 bits of milliseconds: compared across its wrap.
        const bool stale =
            answered_ && qint32(quint32(event.timestamp()) - quint32(*answered_)) < 0;
        if (stale || std::ranges::find(Once, key) != Once.end()) {
            return false;
        }
    }
    QElapsedTimer duree;
    duree.start();
    answer();
    answered_ = event.timestamp() + quint64(duree.elapsed());
    return true;
}
