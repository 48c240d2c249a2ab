// SPDX-License-Identifier: MIT
#pragma once

#include "Animals.h"

#include <QImage>
#include <QSize>

#include <cstdint>

// A calm painted landscape of the environment; `variant` 0 and 1 give two different scenes,
// `seed` moves their details (clouds, trees, dunes) around.
QImage landscape(Environment environment, int variant, QSize size, std::uint64_t seed = 0);
