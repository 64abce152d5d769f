// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

namespace quorvane {

// The six shade cells under the palette: per channel two variants of a colour with only that
// channel moved to a neighbouring device level. Cell numbers as laid out: red 1 (top) and 3,
// green 4 (top) and 5, blue 0 (top) and 2.
inline constexpr int kShadeCellCount = 6;
inline constexpr int kShadeGrey = 220;  // each channel of the grey-out colour

struct ShadeCells {
    std::array<int, kShadeCellCount> colours{};
    std::array<QString, kShadeCellCount> tool_tips;
    // True when a channel of the colour is on no device level: it has no neighbouring level to
    // step to, so all cells are grey and the palette's selection marker is hidden.
    bool greyed_out = false;

    friend bool operator==(const ShadeCells&, const ShadeCells&) = default;
};

// Computes the six cells around a colour number. A channel in the middle of its levels steps one
// level up (top row) and one down (bottom row); at the lowest level red and blue show two levels
// up over one level up, green one level up over two; at the highest level the top row holds one
// level down and the bottom row two.
ShadeCells shade_cells(int colour);

}  // namespace quorvane
