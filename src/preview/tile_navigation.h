// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preview/preview_layout.h"

namespace quorvane {

// The keys that move the current tile.
enum class TileStep { Left, Right, Up, Down, PageUp, PageDown, First, Last };

// The row that holds tile k (a tile of the layout).
int row_of_tile(const PreviewLayout& layout, int k);

// Where a key takes the current tile: Left and Right go along the Elements, so they cross row
// ends and presentation breaks; Up and Down go to the row above or below, in the same column or
// the nearest one the shorter row has; PageUp and PageDown go as far as `page_height` twips
// (the viewport), at least one row; First and Last go to the ends. Every step stops at the ends.
// With no current tile (-1) any step starts at the first tile (Last at the last); -1 when there
// are no tiles.
int tile_after_step(const PreviewLayout& layout, int current, TileStep step, int page_height);

// The scroll value that shows canvas rows [top, bottom) (twips) whole in a viewport of
// `viewport_height` twips, moving as little as possible from `value`; the canvas now lies
// `offset` twips up. A range taller than the viewport shows its top. The scroll bar's value moves
// the canvas by |viewport height - canvas height| * value / maximum.
int least_scroll_showing(int top, int bottom, int value, int offset, int maximum,
                         int viewport_height, int canvas_height);

}  // namespace quorvane
