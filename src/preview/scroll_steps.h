// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "preview/preview_layout.h"

namespace quorvane {

// How far the preview scrolls, in window twips: the scroll bar's arrows one row of tiles (a wheel
// notch the desktop's number of rows, three unless set otherwise), Page Up and Page Down one
// viewport. They follow the tiles, not the canvas's height, so they feel the same on every theme.
struct ScrollSteps {
    int row = 0;
    int page = 0;

    friend bool operator==(const ScrollSteps&, const ScrollSteps&) = default;
};

ScrollSteps scroll_steps(const TileTemplate& tiles, int zoom_percent, int viewport_height);

// How much room the canvas keeps below its last row, in layout twips: the selection frame
// reaches 20 twips below a label, and a tile brought into view shows whole, frame and all.
inline constexpr int kFrameRoom = 40;

// The canvas's height in the window (window twips) at a zoom: the layout's, or more when the
// frame of a tile in the last row would not fit.
int window_canvas_height(const PreviewLayout& layout, int zoom_percent);

// The scroll bar's settings for a canvas of `canvas_height` window twips in a viewport of
// `viewport_height`: maximum canvas - viewport (0 when that is less than a pixel), the steps
// above, value 0.
ScrollSettings window_scroll_settings(const ScrollSteps& steps, int canvas_height,
                                      int viewport_height);

// The scroll value that shows the canvas's rows [top, bottom) (window twips) whole in a viewport
// of `viewport_height` whose top shows canvas row `shown_top`: nothing when they already show
// whole, else the value that puts `top` `margin` below the viewport's top, held within
// 0..maximum. Rows taller than the viewport show from their top.
std::optional<int> scroll_value_showing(int shown_top, int viewport_height, int maximum, int top,
                                        int bottom, int margin);

}  // namespace quorvane
