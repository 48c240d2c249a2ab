// SPDX-License-Identifier: MIT
// Keys as the toolkit's key handlers see them: a virtual key code, which a handler sets to 0
// when it has answered the key, and the shift state.
#pragma once

#include <QtCore/qnamespace.h>
#include <QtGlobal>
#include <functional>
#include <optional>
#include <vector>

// Modifier keys and mouse buttons held during a mouse event (a bit set).
enum TShiftFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32
};
using TShiftState = unsigned;

class QKeyEvent;

using WORD = unsigned short;

constexpr WORD VK_TAB = 0x09;
constexpr WORD VK_RETURN = 0x0D;
constexpr WORD VK_ESCAPE = 0x1B;
constexpr WORD VK_SPACE = 0x20;
constexpr WORD VK_LEFT = 0x25;
constexpr WORD VK_UP = 0x26;
constexpr WORD VK_RIGHT = 0x27;
constexpr WORD VK_DOWN = 0x28;

// The virtual key of the event; 0 for a key that has none of the codes above. Shift+Tab is
// VK_TAB with ssShift, and the keypad's Enter is VK_RETURN.
WORD VirtualKey(const QKeyEvent& event);
// Shift, Alt and Ctrl held with the key.
TShiftState ShiftOf(const QKeyEvent& event);
// ssShift, ssAlt and ssCtrl of the modifiers held.
TShiftState ShiftOf(Qt::KeyboardModifiers modifiers);

// The answers to a held key's repeats. A handler that waits without reading messages (a
// flight of the bird) lets the repeats made meanwhile pile up: read afterwards, they would
// act long after the key was let go. Only repeats made after the last answer had ended are
// answered, and never those of the keys that act once however long they are held.
class TKeyRepeats {
public:
    std::vector<WORD> Once;

    // Runs answer for the key of event unless event is such a repeat; true when it ran.
    bool Answer(const QKeyEvent& event, WORD key, const std::function<void()>& answer);

private:
    std::optional<quint64> answered_; // when the last answer ended, on the events' clock
};
