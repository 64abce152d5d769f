// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/scroll_steps.h"

#include <algorithm>

#include "geometry/twips.h"
#include "preview/zoom.h"

namespace quorvane {

ScrollSteps scroll_steps(const TileTemplate& tiles, int zoom_percent, int viewport_height) {
    // Rows of one presentation are a tile, its label and 100 twips apart.
    const int row = zoomed(tiles.tile_height + tiles.label_height + 100, zoom_percent);
    return ScrollSteps{std::max(row, 1), std::max(viewport_height, 1)};
}

int window_canvas_height(const PreviewLayout& layout, int zoom_percent) {
    int height = layout.canvas_height;
    if (!layout.rows.empty()) {
        const int last_labels_end =
            layout.rows.back().top + layout.tiles.tile_height + layout.tiles.label_height;
        height = std::max(height, last_labels_end + kFrameRoom);
    }
    return zoomed(height, zoom_percent);
}

ScrollSettings window_scroll_settings(const ScrollSteps& steps, int canvas_height,
                                      int viewport_height) {
    // Less than a pixel to scroll is rounding of the zoom, not content.
    const int maximum = canvas_height - viewport_height;
    return ScrollSettings{maximum < kTwipsPerPixel ? 0 : maximum, steps.page, steps.row, 0};
}

std::optional<int> scroll_value_showing(int shown_top, int viewport_height, int maximum, int top,
                                        int bottom, int margin) {
    if (top >= shown_top && bottom <= shown_top + viewport_height) {
        return std::nullopt;
    }
    return std::clamp(top - margin, 0, std::max(maximum, 0));
}

}  // namespace quorvane
