// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

namespace quorvane {

// The colours the navigation device can show: every combination of 5 red, 6 green and 8 blue
// levels, then 14 greys. 254 cells in rows of 16; the last row has two empty places.
inline constexpr int kPaletteCellCount = 254;
inline constexpr int kPaletteColumns = 16;
inline constexpr int kPaletteLevelCells = 240;

struct PaletteCell {
    int colour = 0;    // colour number
    QString tool_tip;  // "#RRGGBB"; empty for the greys
};

// Builds the palette: cell n = 40 * green level + 8 * red level + blue level, then the greys.
std::vector<PaletteCell> device_palette();

}  // namespace quorvane
