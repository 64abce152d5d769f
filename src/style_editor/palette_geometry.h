// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace quorvane {

// Where the palette's cells stand in a grid of square cells `cell_size` pixels large, rows of 16
// from the top left.
QRect palette_cell_rect(int index, int cell_size);
// The whole grid: 16 columns by 16 rows of cells.
QSize palette_grid_size(int cell_size);
// The largest cell size whose grid fits `area`, at least 1.
int palette_cell_size_for(QSize area);
// The cell under a point, or -1.
int palette_cell_at(QPoint point, int cell_size);

enum class ShadeChannel { Red = 0, Green = 1, Blue = 2 };

// Where shade cell k (see shade_cells for the numbering) stands: its channel's column, red
// first, and its row, 0 for the upper one.
struct ShadeCellPlace {
    ShadeChannel channel;
    int row;
};
ShadeCellPlace shade_cell_place(int k);

}  // namespace quorvane
