// SPDX-License-Identifier: MIT
// Plain value types shared by the platform layer and its callers.
#pragma once

#include <cstdint>

// 0x00RRGGBB: the colour bits of a pixel, alpha never taken into account.
using TColor = std::uint32_t;

constexpr TColor RGB(int r, int g, int b) {
    return (TColor(r & 0xFF) << 16) | (TColor(g & 0xFF) << 8) | TColor(b & 0xFF);
}

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clWindowFrame = 0x000000; // the standard scheme's window frame colour

// Right and bottom are exclusive, as in the Windows graphics interface.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

constexpr TRect Rect(int left, int top, int right, int bottom) {
    return TRect{left, top, right, bottom};
}

// Standard answers of modal windows.
constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrYes = 6;
constexpr int mrNo = 7;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

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
