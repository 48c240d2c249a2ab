// SPDX-License-Identifier: MIT
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
