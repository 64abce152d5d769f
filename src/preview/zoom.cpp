// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/zoom.h"

#include <algorithm>

#include "geometry/rounding.h"

namespace quorvane {

int zoom_level(int percent, int steps) {
    const int last = int(kZoomLevels.size()) - 1;
    // The level at or above `percent`; stepping down from between two levels lands on the lower.
    int at = int(std::lower_bound(kZoomLevels.begin(), kZoomLevels.end(), percent) -
                 kZoomLevels.begin());
    if (steps < 0 && (at > last || kZoomLevels[size_t(at)] != percent)) {
        --at;
        ++steps;
    } else if (steps > 0 && at <= last && kZoomLevels[size_t(at)] != percent) {
        --steps;
    }
    return kZoomLevels[size_t(std::clamp(at + steps, 0, last))];
}

int zoomed(int layout_twips, int percent) {
    return round_half_even(double(layout_twips) * percent / 100.0);
}

double unzoomed(double window_twips, int percent) {
    return window_twips * 100.0 / percent;
}

PreviewFrame zoomed_frame(const PreviewFrame& window_frame, int percent) {
    PreviewFrame frame = window_frame;
    if (percent == kActualSize) {
        return frame;
    }
    frame.canvas_inner_width = round_half_even(unzoomed(window_frame.canvas_inner_width, percent));
    frame.canvas_width = round_half_even(unzoomed(window_frame.canvas_width, percent));
    frame.viewport_height = round_half_even(unzoomed(window_frame.viewport_height, percent));
    return frame;
}

ZoomAnchor zoom_anchor(const PreviewLayout& layout, QPoint layout_point) {
    if (layout.rows.empty()) {
        return {};
    }
    int tile = layout.tile_at(layout_point);
    if (tile < 0) {
        // The row that reaches down to the point, or the next one below it.
        const int below = layout.rows_between(layout_point.y(), layout_point.y() + 1).first;
        const int row = std::min(below, int(layout.rows.size()) - 1);
        tile = layout.rows[size_t(row)].first;
    }
    return ZoomAnchor{layout.element_of(tile),
                      int(layout_point.y() - layout.tile_positions[size_t(tile)].y())};
}

std::optional<int> scroll_value_keeping(const PreviewLayout& layout, const ZoomAnchor& anchor,
                                        int percent, int viewport_y, int maximum) {
    const int tile = layout.tile_of(anchor.element);
    if (anchor.element < 0 || tile < 0) {
        return std::nullopt;
    }
    // A window shows only canvases whose twips fit an int.
    const int y = int(layout.tile_positions[size_t(tile)].y()) + anchor.below_tile_top;
    return std::clamp(zoomed(y, percent) - viewport_y, 0, std::max(maximum, 0));
}

}  // namespace quorvane
