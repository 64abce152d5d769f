// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <array>

#include "preview/preview_layout.h"

namespace quorvane {

// The preview's zoom levels in percent; at 100 a tile is drawn at 15 twips a pixel.
inline constexpr std::array<int, 14> kZoomLevels{50,  67,  75,  80,  90,  100, 110,
                                                 125, 150, 175, 200, 250, 300, 400};
inline constexpr int kActualSize = 100;

// The level `steps` levels above `percent` (below for a negative count), held between the
// smallest and the largest level. A percent between two levels counts as the nearer level in the
// direction of the steps.
int zoom_level(int percent, int steps);

// Layout twips as window twips at a zoom, and back.
int zoomed(int layout_twips, int percent);
double unzoomed(double window_twips, int percent);

// The frame the tiles are laid out in at a zoom: the window's canvas width and viewport height
// shrink (or grow) by the zoom, so that the rows wrap at the width the window shows.
PreviewFrame zoomed_frame(const PreviewFrame& window_frame, int percent);

// What stays in place while the preview zooms: an Element's tile and how far below the tile's top
// the point that stays lies, in layout twips.
struct ZoomAnchor {
    int element = -1;
    int below_tile_top = 0;

    friend bool operator==(const ZoomAnchor&, const ZoomAnchor&) = default;
};

// The anchor for a point of the layout: the tile under it, else the first tile of the row at its
// height, else of the next row below (or the last row). None for a layout without tiles.
ZoomAnchor zoom_anchor(const PreviewLayout& layout, QPoint layout_point);

// The scroll value (window twips) that puts the anchor `viewport_y` window twips below the
// viewport's top in a layout drawn at `percent`, held within 0..maximum; nothing when the
// anchor's Element has no tile in that layout.
std::optional<int> scroll_value_keeping(const PreviewLayout& layout, const ZoomAnchor& anchor,
                                        int percent, int viewport_y, int maximum);

}  // namespace quorvane
