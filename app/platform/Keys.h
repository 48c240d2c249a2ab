// SPDX-License-Identifier: MIT
// Keys as the toolkit's key handlers see them: a virtual key code, which a handler sets to 0
// when it has answered the key, and the shift state.
#pragma once

#include <QtCore/qnamespace.h>
#include <QtGlobal>
#include <functional>
#include <map>
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

// Which presses of a key are answered. A key counts from its press: one already down when the
// answers began (IgnoreHeldKeys: a window appears, a board is new) is ignored, repeats and
// all, until it is released. A repeat is told by the toolkit's mark or, whatever the mark, by
// a press at the instant of the key's release: X11 repeats come as such pairs, which the
// toolkit leaves unmarked when the press reaches it after the release was handled. A handler
// that waits without reading messages (a flight of the bird) lets the repeats made meanwhile
// pile up: read afterwards, they would act long after the key was let go. Only repeats made
// after the last answer had ended are answered, and never those of the keys that act once
// however long they are held.
class TKeyRepeats {
public:
    std::vector<WORD> Once;

    // Runs answer for the key of event unless it is not to be answered; true when it ran.
    bool Answer(const QKeyEvent& event, WORD key, const std::function<void()>& answer);
    // The release of key.
    void Released(const QKeyEvent& event, WORD key);
    // From now on the keys down are ignored until released.
    void IgnoreHeldKeys();

private:
    struct Key {
        std::optional<quint64> pressed;  // its last press since the answers began, if any
        std::optional<quint64> released; // the last release
    };
    bool Repeat(const QKeyEvent& event, const Key& state) const;
    bool Stale(const QKeyEvent& event, const Key& state) const;

    std::map<WORD, Key> keys_;
    std::optional<quint64> answered_; // when the last answer ended, on the events' clock
};
