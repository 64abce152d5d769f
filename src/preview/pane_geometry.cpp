// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/pane_geometry.h"

#include <algorithm>
#include <cstdlib>

#include "geometry/rounding.h"

namespace quorvane {

void ScrollBarState::apply(const ScrollSettings& s) {
    if (s.maximum >= 0) {
        maximum = s.maximum;
    }
    if (s.large_change >= 1) {
        large_change = s.large_change;
    }
    if (s.value >= 0 && s.value <= maximum) {
        value = s.value;
    }
    if (s.small_change >= 1) {
        small_change = s.small_change;
    }
    value = std::min(value, maximum);
}

PreviewFrame PaneGeometry::frame(const TileTemplate& tiles) const {
    PreviewFrame f;
    f.tiles = tiles;
    f.canvas_inner_width = canvas.width();
    f.canvas_width = canvas.width();
    f.viewport_height = viewport.height();
    return f;
}

void fit_to_window(PaneGeometry& pane, ScrollBarState& scroll, int client_width,
                   int client_height) {
    const int window_width = client_width + kFrameAllowanceWidth;
    const int window_height = client_height + kFrameAllowanceHeight;

    const int h = pane.canvas.height();
    ScrollSettings settings = scroll_settings(h, pane.viewport.height());
    scroll.apply(settings);

    int w = window_width - pane.viewport.left() - 330;
    pane.scroll_bar.moveLeft(window_width - 330 - pane.scroll_bar.width());
    if (w > 30) {
        pane.viewport.setWidth(w);
    }
    w = pane.viewport.width() - 120;
    if (w > 30) {
        pane.canvas.setWidth(w);
    }
    const int viewport_height = window_height - pane.viewport.top() - 1170;
    if (viewport_height >= 0) {
        pane.viewport.setHeight(viewport_height);
    }
    const int canvas_height = pane.viewport.height() - 120;
    if (canvas_height >= 0) {
        pane.canvas.setHeight(canvas_height);
    }
    pane.scroll_bar.setHeight(pane.viewport.height());
}

void fit_to_area(PaneGeometry& pane, ScrollBarState& scroll, int area_width, int area_height) {
    // The window whose resize arithmetic puts the viewport's right edge `area_width` right of its
    // left edge, and its bottom `area_height` below the window's top.
    constexpr int kWindowRightMargin = 330;
    constexpr int kWindowBottomMargin = 1170;
    const int left = pane.viewport.left();
    fit_to_window(pane, scroll, area_width + left + kWindowRightMargin - kFrameAllowanceWidth,
                  area_height + kWindowBottomMargin - kFrameAllowanceHeight);
    pane.viewport.moveLeft(0);
    pane.scroll_bar.moveLeft(pane.scroll_bar.left() - left);
}

int scroll_offset(int viewport_height, int canvas_height, int value, int maximum) {
    if (maximum == 0) {
        return 0;
    }
    return round_half_even(double(std::abs(viewport_height - canvas_height)) * value / maximum);
}

}  // namespace quorvane
