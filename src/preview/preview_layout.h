// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QtGlobal>
#include <optional>
#include <vector>

#include "model/theme.h"

namespace quorvane {

// Sizes of the tile and label templates, in twips.
struct TileTemplate {
    int tile_width = 852;
    int tile_height = 816;
    int label_width = 852;
    int label_height = 600;
};

// What the preview is laid out for, in twips.
struct PreviewFrame {
    TileTemplate tiles;
    int canvas_inner_width = 11712;  // tiles wrap at this width
    int canvas_width = 11712;        // the rules between presentations run across it
    int viewport_height = 10236;     // a shorter canvas is stretched to it
};

// The vertical scroll bar's settings. Each one is applied only when it is valid.
struct ScrollSettings {
    int maximum = 0;
    int large_change = 1;
    int small_change = 1;
    int value = 0;

    friend bool operator==(const ScrollSettings&, const ScrollSettings&) = default;
};

// Maximum h - viewport height, large change h / 10, small change h / 20, value 0; a large change
// smaller than the small one becomes the maximum.
ScrollSettings scroll_settings(int canvas_height, int viewport_height);

// A tile's top-left corner in twips. The canvas grows downwards without bound, so its vertical
// coordinates are 64-bit; across, it is only as wide as the frame.
struct TwipsPoint {
    int left = 0;
    qint64 top = 0;

    constexpr TwipsPoint() = default;
    constexpr TwipsPoint(int x, qint64 y) : left(x), top(y) {}
    // Implicit: any QPoint is a point of the canvas.
    constexpr TwipsPoint(QPoint p) : left(p.x()), top(p.y()) {}
    constexpr int x() const { return left; }
    constexpr qint64 y() const { return top; }
    friend constexpr bool operator==(const TwipsPoint&, const TwipsPoint&) = default;
};

// One row of tiles: Elements first .. first + count - 1, all with their tile top at `top`.
struct PreviewRow {
    qint64 top = 0;
    int first = 0;
    int count = 0;
};

// Where every tile goes on the canvas, in twips. Tile k shows Element k (or the k-th of the
// Elements shown, when only some are); its label sits directly under it. Rows are kept in order
// of their tops, so the tiles in view are found by a binary search instead of a walk over every
// tile.
struct PreviewLayout {
    TileTemplate tiles;
    int sample_offset = 0;                   // c: left edge of the line samples inside a tile
    std::vector<TwipsPoint> tile_positions;  // top-left of tile k
    std::vector<PreviewRow> rows;
    std::vector<qint64> rules;  // y of each purple rule between presentations
    int canvas_width = 0;
    qint64 canvas_height = 0;
    // Unset for an empty theme: the scroll bar keeps whatever it had.
    std::optional<ScrollSettings> scroll;
    // The Element of each tile when only some are laid out, ascending; empty when every Element
    // is, tile k showing Element k.
    std::vector<int> shown_elements;

    int tile_count() const { return static_cast<int>(tile_positions.size()); }
    int element_of(int tile) const {
        return shown_elements.empty() ? tile : shown_elements[size_t(tile)];
    }
    // The tile that shows an Element, or -1 when it has none.
    int tile_of(int element) const;
    // The rectangles of tile k; as QRect they reach only as far down as an int does, which is
    // all a window can show. Painting far down the canvas uses tile_positions.
    QRect tile_rect(int k) const;
    QRect label_rect(int k) const;
    // The magenta frame around tile k and its label.
    QRect selection_frame(int k) const;
    // The tile under a canvas point, or -1 (labels and gaps are no tile).
    int tile_at(QPoint canvas_point) const;
    // The rows whose tiles or labels reach into [top, bottom): rows[first .. end).
    std::pair<int, int> rows_between(qint64 top, qint64 bottom) const;
};

// Lays out every Element of the theme as a tile in rows of columns: a row wraps when the next
// column would not leave room for a whole tile, and each new presentation (names compared with
// the spaces around them removed) starts a new row under a rule. The canvas is as tall as its
// content, but never shorter than the viewport.
PreviewLayout lay_out_preview(const Theme& theme, const PreviewFrame& frame);
// The same for the Elements listed in `shown` only (ascending), as if the others were not in the
// theme: a presentation without any of them gets no row. Nothing shown leaves a canvas of the
// viewport's height.
PreviewLayout lay_out_preview(const Theme& theme, const PreviewFrame& frame,
                              const std::vector<int>& shown);

// Column step and left edge of column j for a template.
int column_step(const TileTemplate& tiles);
int column_left(const TileTemplate& tiles, int column);
int sample_offset(const TileTemplate& tiles);

}  // namespace quorvane
