// SPDX-License-Identifier: MIT
#include "app/platform/ScaledAxis.h"

#include "app/platform/MulDiv.h"

#include <algorithm>
#include <cstdint>

namespace {

// The picture pixel under the centre of a screen pixel: floor((x + 1/2) x picture / screen).
int Sampled(std::int64_t x, std::int64_t picture, std::int64_t screen) {
    const std::int64_t numerator = (2 * x + 1) * picture;
    const std::int64_t denominator = 2 * screen;
    const std::int64_t quotient = numerator / denominator;
    return int(numerator % denominator < 0 ? quotient - 1 : quotient);
}

} // namespace

QSize Fitted(const QSize& picture, const QSize& box) {
    if (std::int64_t(picture.width()) * box.height() <=
        std::int64_t(picture.height()) * box.width()) {
        return QSize(std::max(1, MulDiv(picture.width(), box.height(), picture.height())),
                     std::max(1, box.height()));
    }
    return QSize(std::max(1, box.width()),
                 std::max(1, MulDiv(picture.height(), box.width(), picture.width())));
}

ScaledAxis::ScaledAxis(int picture, int screen, std::vector<int> lines)
    : picture_(picture), table_(std::size_t(std::max(screen, 0))) {
    for (int x = 0; x < Screen(); ++x) {
        table_[std::size_t(x)] = Sampled(x, picture, screen);
    }
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    // As thick as the thinnest picture pixel, and never less than one screen pixel.
    const auto thickness =
        std::min<std::ptrdiff_t>(std::max(1, screen / std::max(picture, 1)), Screen());
    for (const int line : lines) {
        if (line < 0 || line >= picture) {
            continue;
        }
        // Where the line begins: the first pixel that shows it, or, when the sampling skips
        // it, the one that shows the next picture pixel. A line near the far edge that the
        // sampling pushes past it, or the picture's last pixel, takes the last pixels.
        const auto last = table_.end() - thickness;
        const auto first =
            line + 1 == picture
                ? last
                : std::min(std::lower_bound(table_.begin(), table_.end(), line), last);
        const auto end = first + thickness;
        std::fill(first, end, line);
        // The line's extra pixels, or the one it took, go to the pixel after it; the last
        // picture pixel has none after it, so they go to the one before.
        for (auto after = end; after != table_.end() && *after <= line; ++after) {
            *after = line + 1;
        }
        for (auto before = first; line > 0 && before != table_.begin() && before[-1] == line;) {
            *--before = line - 1;
        }
    }
}

int ScaledAxis::PictureOf(int screenPixel) const {
    if (screenPixel >= 0 && screenPixel < Screen()) {
        return table_[std::size_t(screenPixel)];
    }
    return Sampled(screenPixel, picture_, Screen());
}

std::pair<int, int> ScaledAxis::ScreenSpan(int from, int to) const {
    const auto first = std::lower_bound(table_.begin(), table_.end(), from);
    const auto end = std::lower_bound(first, table_.end(), to);
    return {int(first - table_.begin()), int(end - table_.begin())};
}
