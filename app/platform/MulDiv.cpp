// SPDX-License-Identifier: MIT
#include "app/platform/MulDiv.h"

#include <cstdint>
#include <limits>

int MulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const std::int64_t product = std::int64_t(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::uint64_t magnitude = product < 0 ? std::uint64_t(-product) : std::uint64_t(product);
    const std::uint64_t divisor = c < 0 ? std::uint64_t(-std::int64_t(c)) : std::uint64_t(c);
    const std::uint64_t quotient = (magnitude + divisor / 2) / divisor;
    const std::uint64_t limit = negative ? std::uint64_t(std::numeric_limits<int>::max()) + 1
                                         : std::numeric_limits<int>::max();
    if (quotient > limit) {
        return -1;
    }
    return negative ? int(-std::int64_t(quotient)) : int(quotient);
}
