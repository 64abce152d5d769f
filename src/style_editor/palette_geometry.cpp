// SPDX-License-Identifier: GPL-3.0-or-later
#include "style_editor/palette_geometry.h"

#include "colour/device_palette.h"
#include "colour/shades.h"
#include "style_editor/style_editor_layout.h"

namespace quorvane {

using namespace style_editor_layout;

QRect palette_cell_rect(int index) {
    return QRect(kPaletteLeft + (index % kPaletteColumns) * kPaletteCellSize,
                 kPaletteTop + (index / kPaletteColumns) * kPaletteCellSize, kPaletteCellSize,
                 kPaletteCellSize);
}

QRect palette_grid_rect() {
    const int rows = (kPaletteCellCount + kPaletteColumns - 1) / kPaletteColumns;
    return QRect(kPaletteLeft, kPaletteTop, kPaletteColumns * kPaletteCellSize,
                 rows * kPaletteCellSize);
}

int palette_cell_at(QPoint twips) {
    const int x = twips.x() - kPaletteLeft;
    const int y = twips.y() - kPaletteTop;
    if (x < 0 || y < 0) {
        return -1;
    }
    const int column = x / kPaletteCellSize;
    const int row = y / kPaletteCellSize;
    if (column >= kPaletteColumns) {
        return -1;
    }
    const int index = row * kPaletteColumns + column;
    return index < kPaletteCellCount ? index : -1;
}

int shade_column_left(ShadeChannel channel) {
    switch (channel) {
        case ShadeChannel::Red:
            return kRedShadeColumn;
        case ShadeChannel::Green:
            return kGreenShadeColumn;
        case ShadeChannel::Blue:
            return kBlueShadeColumn;
    }
    return 0;
}

QRect shade_cell_rect(int k) {
    // Column and row of each cell number.
    static constexpr ShadeChannel kColumn[kShadeCellCount] = {
        ShadeChannel::Blue, ShadeChannel::Red,   ShadeChannel::Blue,
        ShadeChannel::Red,  ShadeChannel::Green, ShadeChannel::Green};
    static constexpr bool kTop[kShadeCellCount] = {true, true, false, false, true, false};
    return QRect(shade_column_left(kColumn[k]), kTop[k] ? kShadeTopRow : kShadeBottomRow,
                 kShadeCellSize, kShadeCellSize);
}

}  // namespace quorvane
