// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>

namespace quorvane {

// Where the palette's cells and the shade cells stand inside the palette frame, in twips.

QRect palette_cell_rect(int index);
// The whole grid: 16 columns by 16 rows of cells.
QRect palette_grid_rect();
// The cell under a point, or -1.
int palette_cell_at(QPoint twips);

enum class ShadeChannel { Red = 0, Green = 1, Blue = 2 };

// Shade cell k (see shade_cells for the numbering).
QRect shade_cell_rect(int k);
// The left of a channel's column; its "*" head stands above it.
int shade_column_left(ShadeChannel channel);

}  // namespace quorvane
