// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRectF>
#include <optional>

#include "map/map_styles.h"
#include "map/map_view.h"

class QPainter;

namespace quorvane {

class MapData;

struct MapDrawOptions {
    // Features the theme does not style in the presentation: drawn in thin grey, areas
    // hatched, or left out.
    bool show_unstyled = true;
    // Antialiased edges: the finished picture. Without them a frame costs about a fifth, for
    // the frames drawn while the user zooms (a pan moves the picture already drawn).
    bool smooth_edges = true;
};

// Draws the map as the device would: the LAND colour as background, areas filled, every line a
// casing in its SECONDARY colour under a core in its PRIMARY colour, then routes, tracks, the
// grid and the scale bar. Widths follow MapView::pixels_per_style_unit(). The painter's
// coordinates are the view's pixels; only `pixels` of the view is drawn (the whole view by
// default), so that a large picture can be drawn in strips. Only shapes in view and at least
// about a pixel in size are visited.
void draw_map(QPainter& painter, const MapData& map, const MapStyles& styles, const MapView& view,
              const MapDrawOptions& options = {}, std::optional<QRectF> pixels = std::nullopt);

// The grey of features the theme does not style, and the background when LAND is not styled.
QColor unstyled_colour(PreviewLight light);
QColor unstyled_background(PreviewLight light);

// The smallest shape a view draws, in metres: anything smaller is below a pixel.
double smallest_drawn(const MapView& view);

}  // namespace quorvane
