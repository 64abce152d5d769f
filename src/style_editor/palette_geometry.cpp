// SPDX-License-Identifier: GPL-3.0-or-later
#include "style_editor/palette_geometry.h"

#include <algorithm>

#include "colour/device_palette.h"
#include "colour/shades.h"

namespace quorvane {

namespace {

constexpr int kPaletteRows = (kPaletteCellCount + kPaletteColumns - 1) / kPaletteColumns;

}  // namespace

QRect palette_cell_rect(int index, int cell_size) {
    return QRect((index % kPaletteColumns) * cell_size, (index / kPaletteColumns) * cell_size,
                 cell_size, cell_size);
}

QSize palette_grid_size(int cell_size) {
    return QSize(kPaletteColumns * cell_size, kPaletteRows * cell_size);
}

int palette_cell_size_for(QSize area) {
    return std::max(1, std::min(area.width() / kPaletteColumns, area.height() / kPaletteRows));
}

int palette_cell_at(QPoint point, int cell_size) {
    if (point.x() < 0 || point.y() < 0 || cell_size <= 0) {
        return -1;
    }
    const int column = point.x() / cell_size;
    const int row = point.y() / cell_size;
    if (column >= kPaletteColumns) {
        return -1;
    }
    const int index = row * kPaletteColumns + column;
    return index < kPaletteCellCount ? index : -1;
}

ShadeCellPlace shade_cell_place(int k) {
    static constexpr ShadeChannel kColumn[kShadeCellCount] = {
        ShadeChannel::Blue, ShadeChannel::Red,   ShadeChannel::Blue,
        ShadeChannel::Red,  ShadeChannel::Green, ShadeChannel::Green};
    static constexpr int kRow[kShadeCellCount] = {0, 0, 1, 1, 0, 1};
    return {kColumn[k], kRow[k]};
}

}  // namespace quorvane
