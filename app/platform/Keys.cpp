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

namespace {

// The window system's clock is 32 bits of milliseconds: compared across its wrap.
qint32 Difference(quint64 from, quint64 to) {
    return qint32(quint32(to) - quint32(from));
}

} // namespace

// An event made without a time (0) is never a repeat by its time.
bool TKeyRepeats::Repeat(const QKeyEvent& event, const Key& state) const {
    return event.isAutoRepeat() || (event.timestamp() != 0 && state.released == event.timestamp());
}

// Some toolkits give their own repeats the time of the press: their time tells nothing, but
// they are made only while messages are read, so never pile up.
bool TKeyRepeats::Stale(const QKeyEvent& event, const Key& state) const {
    return event.timestamp() != state.pressed && answered_ &&
           Difference(*answered_, event.timestamp()) < 0;
}

bool TKeyRepeats::Answer(const QKeyEvent& event, WORD key, const std::function<void()>& answer) {
    Key& state = keys_[key];
    if (!Repeat(event, state)) {
        state.pressed = event.timestamp();
    } else if (!state.pressed || std::ranges::find(Once, key) != Once.end() ||
               Stale(event, state)) {
        return false;
    }
    QElapsedTimer elapsed;
    elapsed.start();
    answer();
    answered_ = event.timestamp() + quint64(elapsed.elapsed());
    return true;
}

void TKeyRepeats::Released(const QKeyEvent& event, WORD key) {
    keys_[key].released = event.timestamp();
}

void TKeyRepeats::IgnoreHeldKeys() {
    for (auto& entry : keys_) {
        entry.second.pressed.reset();
    }
}
