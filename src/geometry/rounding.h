// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

namespace quorvane {

// Computed sizes and positions round to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4).
inline int round_half_even(double value) {
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace quorvane
