// SPDX-License-Identifier: MIT
// One axis of a picture shown at another size: which picture pixel each screen pixel shows.
// Nearest neighbour, sampled at the screen pixels' centres, except that the picture's lines
// (a grid's one-pixel rows or columns) are never dropped when shrinking and are all shown
// equally thick when enlarging. The one table answers both ways, so that a press always
// lands on the picture pixel the screen shows under it.
#pragma once

#include <QSize>
#include <utility>
#include <vector>

// The largest size of picture's proportions (rounded) that fits in box; at least 1 x 1.
QSize Fitted(const QSize& picture, const QSize& box);

class ScaledAxis {
public:
    ScaledAxis() = default;
    // picture pixels shown over screen pixels, both at least 1; lines: picture indexes.
    ScaledAxis(int picture, int screen, std::vector<int> lines);

    int Screen() const { return int(table_.size()); }
    // The picture pixel a screen pixel shows; outside [0, Screen()) the scale goes on, so that
    // a screen pixel before or after the picture gets one before or after it.
    int PictureOf(int screenPixel) const;
    // The screen pixels [first, end) that show picture pixels of [from, to); empty when the
    // scale shows none of them.
    std::pair<int, int> ScreenSpan(int from, int to) const;
    // PictureOf for each screen pixel, in order.
    const std::vector<int>& Table() const { return table_; }

private:
    int picture_ = 0;
    std::vector<int> table_;
};
