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
    // True when a channel of the colour is on no level: all cells are grey and the palette's
    // selection marker is hidden.
    bool greyed_out = false;
};

// Computes the six cells around a colour number. A channel is looked up as a plain substring of
// its level string, so two digits that straddle two levels match too, and their neighbours are
// then read from that position as they stand; a neighbour that would lie before the start of the
// string, or past its end, cannot be read and its cell keeps its colour from `previous`.
ShadeCells shade_cells(int colour, const std::array<int, kShadeCellCount>& previous = {});

}  // namespace quorvane
