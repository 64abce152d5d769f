// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/preview_layout.h"

#include <algorithm>
#include <limits>

#include "geometry/rounding.h"
#include "text/ascii_text.h"

namespace quorvane {

namespace {

// Room for 200 rows while the tiles are placed; what an empty theme is left with.
constexpr int kPlacingRows = 200;

constexpr qint64 kLargestScrollHeight = std::numeric_limits<int>::max();

}  // namespace

int sample_offset(const TileTemplate& tiles) {
    return round_half_even((tiles.tile_width - 700) / 4.0);
}

int column_step(const TileTemplate& tiles) {
    return tiles.label_width + 100;
}

int column_left(const TileTemplate& tiles, int column) {
    return sample_offset(tiles) + 200 + column * column_step(tiles);
}

ScrollSettings scroll_settings(int canvas_height, int viewport_height) {
    ScrollSettings s;
    s.maximum = canvas_height - viewport_height;
    s.large_change = round_half_even(canvas_height / 10.0);
    s.value = 0;
    s.small_change = round_half_even(canvas_height / 20.0);
    if (s.large_change < s.small_change) {
        s.large_change = s.maximum;
    }
    return s;
}

namespace {

// Lays out `count` tiles, tile k showing Element element_of(k).
template <typename ElementOf>
PreviewLayout lay_out_tiles(const Theme& theme, const PreviewFrame& frame, int count,
                            ElementOf element_of) {
    const TileTemplate& t = frame.tiles;
    PreviewLayout layout;
    layout.tiles = t;
    layout.canvas_width = frame.canvas_width;
    layout.canvas_height = (t.tile_height + t.label_height) * kPlacingRows;
    const int c = sample_offset(t);
    layout.sample_offset = c;

    if (count == 0) {
        return layout;
    }
    layout.tile_positions.reserve(size_t(count));

    const int step = column_step(t);
    const int first_left = c + 200;
    qint64 y_row = c;
    int j = 0;
    QStringView previous;
    for (int i = 0; i < count; ++i) {
        const Element& e = theme.elements[size_t(element_of(i))];
        bool new_row = i == 0;
        // Row wrap: the next column would not leave room for a whole tile.
        if (frame.canvas_inner_width - t.tile_width < first_left + j * step) {
            j = 0;
            y_row += t.label_height + t.tile_height + 100;
            new_row = true;
        }
        // Presentation break, tested after the wrap: both advances can apply at one Element.
        const QStringView name = space_trimmed_view(e.presentation);
        if (i > 0 && name != previous) {
            j = 0;
            y_row += t.label_height + t.tile_height + 200;
            layout.rules.push_back(y_row - 150);
            new_row = true;
        }
        previous = name;

        if (new_row) {
            layout.rows.push_back(PreviewRow{y_row, i, 0});
        }
        ++layout.rows.back().count;
        layout.tile_positions.emplace_back(first_left + j * step, y_row);
        ++j;
    }

    layout.canvas_height =
        std::max<qint64>(t.tile_height + t.label_height + y_row, frame.viewport_height);
    // A window's scroll bar counts in int; a canvas taller than that is only ever rendered.
    const int scroll_height = int(std::min<qint64>(layout.canvas_height, kLargestScrollHeight));
    layout.scroll = scroll_settings(scroll_height, frame.viewport_height);
    return layout;
}

}  // namespace

PreviewLayout lay_out_preview(const Theme& theme, const PreviewFrame& frame) {
    return lay_out_tiles(theme, frame, theme.element_count(), [](int k) { return k; });
}

PreviewLayout lay_out_preview(const Theme& theme, const PreviewFrame& frame,
                              const std::vector<int>& shown) {
    PreviewLayout layout =
        lay_out_tiles(theme, frame, int(shown.size()), [&](int k) { return shown[size_t(k)]; });
    layout.shown_elements = shown;
    if (shown.empty()) {
        layout.canvas_height = frame.viewport_height;
        layout.scroll = scroll_settings(frame.viewport_height, frame.viewport_height);
    }
    return layout;
}

int PreviewLayout::tile_of(int element) const {
    if (shown_elements.empty()) {
        return element >= 0 && element < tile_count() ? element : -1;
    }
    const auto at = std::lower_bound(shown_elements.begin(), shown_elements.end(), element);
    return at != shown_elements.end() && *at == element ? int(at - shown_elements.begin()) : -1;
}

QRect PreviewLayout::tile_rect(int k) const {
    const TwipsPoint at = tile_positions[size_t(k)];
    return QRect(at.x(), int(at.y()), tiles.tile_width, tiles.tile_height);
}

QRect PreviewLayout::label_rect(int k) const {
    const TwipsPoint at = tile_positions[size_t(k)];
    return QRect(at.x(), int(at.y() + tiles.tile_height), tiles.label_width, tiles.label_height);
}

QRect PreviewLayout::selection_frame(int k) const {
    const TwipsPoint at = tile_positions[size_t(k)];
    return QRect(at.x() - 20, int(at.y() - 20), tiles.tile_width + 40,
                 tiles.label_height + tiles.tile_height + 40);
}

std::pair<int, int> PreviewLayout::rows_between(qint64 top, qint64 bottom) const {
    const int row_height = tiles.tile_height + tiles.label_height;
    // First row whose labels end below `top`, then every row that starts above `bottom`.
    auto first = std::partition_point(
        rows.begin(), rows.end(), [&](const PreviewRow& r) { return r.top + row_height <= top; });
    auto end = std::partition_point(first, rows.end(),
                                    [&](const PreviewRow& r) { return r.top < bottom; });
    return {int(first - rows.begin()), int(end - rows.begin())};
}

int PreviewLayout::tile_at(QPoint p) const {
    const auto [first, end] = rows_between(p.y(), p.y() + 1);
    for (int r = first; r < end; ++r) {
        const PreviewRow& row = rows[size_t(r)];
        if (p.y() >= row.top + tiles.tile_height || row.count == 0) {
            continue;
        }
        const int left = tile_positions[size_t(row.first)].x();
        const int step = column_step(tiles);
        if (p.x() < left) {
            continue;
        }
        const int column = (p.x() - left) / step;
        if (column < row.count && p.x() < left + column * step + tiles.tile_width) {
            return row.first + column;
        }
    }
    return -1;
}

}  // namespace quorvane
