// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/tile_navigation.h"

#include <algorithm>
#include <cstdlib>

#include "preview/pane_geometry.h"

namespace quorvane {

namespace {

// The tile of `row` in `column`, or the last one when the row is shorter.
int tile_in_column(const PreviewLayout& layout, int row, int column) {
    const PreviewRow& r = layout.rows[size_t(row)];
    return r.first + std::min(column, r.count - 1);
}

// The row a page away from `row`: the farthest one whose top is within `page` twips, but always
// at least the next one.
int row_a_page_away(const PreviewLayout& layout, int row, int page, bool down) {
    const int last = int(layout.rows.size()) - 1;
    const int top = layout.rows[size_t(row)].top;
    int target = row;
    if (down) {
        while (target < last && layout.rows[size_t(target) + 1].top - top <= page) {
            ++target;
        }
        return std::min(std::max(target, row + 1), last);
    }
    while (target > 0 && top - layout.rows[size_t(target) - 1].top <= page) {
        --target;
    }
    return std::max(std::min(target, row - 1), 0);
}

}  // namespace

int row_of_tile(const PreviewLayout& layout, int k) {
    const auto it =
        std::partition_point(layout.rows.begin(), layout.rows.end(),
                             [k](const PreviewRow& r) { return r.first + r.count <= k; });
    return int(it - layout.rows.begin());
}

int tile_after_step(const PreviewLayout& layout, int current, TileStep step, int page_height) {
    const int count = layout.tile_count();
    if (count == 0 || layout.rows.empty()) {
        return -1;
    }
    if (current < 0 || current >= count) {
        return step == TileStep::Last ? count - 1 : 0;
    }
    const int row = row_of_tile(layout, current);
    const int column = current - layout.rows[size_t(row)].first;
    const int last_row = int(layout.rows.size()) - 1;
    switch (step) {
        case TileStep::Left:
            return std::max(current - 1, 0);
        case TileStep::Right:
            return std::min(current + 1, count - 1);
        case TileStep::Up:
            return row == 0 ? current : tile_in_column(layout, row - 1, column);
        case TileStep::Down:
            return row == last_row ? current : tile_in_column(layout, row + 1, column);
        case TileStep::PageUp:
        case TileStep::PageDown: {
            const bool down = step == TileStep::PageDown;
            if ((down && row == last_row) || (!down && row == 0)) {
                return current;
            }
            return tile_in_column(layout, row_a_page_away(layout, row, page_height, down), column);
        }
        case TileStep::First:
            return 0;
        case TileStep::Last:
            break;
    }
    return count - 1;
}

int least_scroll_showing(int top, int bottom, int value, int offset, int maximum,
                         int viewport_height, int canvas_height) {
    const int span = std::abs(viewport_height - canvas_height);
    if (maximum <= 0 || span == 0) {
        return value;
    }
    int wanted_offset;
    if (top < offset || bottom - top > viewport_height) {
        wanted_offset = top;
    } else if (bottom > offset + viewport_height) {
        wanted_offset = bottom - viewport_height;
    } else {
        return value;
    }
    const auto offset_of = [&](int v) {
        return scroll_offset(viewport_height, canvas_height, v, maximum);
    };
    // The nearest value whose offset reaches the wanted one from the right side: not below the
    // top when going up, not above the bottom when going down.
    int v = std::clamp(int(double(wanted_offset) * maximum / span), 0, maximum);
    if (wanted_offset == top) {
        while (v > 0 && offset_of(v) > top) {
            --v;
        }
        while (v < maximum && offset_of(v + 1) <= top) {
            ++v;
        }
    } else {
        while (v < maximum && offset_of(v) < wanted_offset) {
            ++v;
        }
    }
    return v;
}

}  // namespace quorvane
