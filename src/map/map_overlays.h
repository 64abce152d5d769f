// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <vector>

#include "map/map_view.h"

namespace quorvane {

class MapData;

// What the map draws over its data in fixed sizes, whatever the zoom: the grid and the scale
// bar use 1.0 of scale or border as this many pixels, as the preview's tiles do.
inline constexpr double kOverlayPixelsPerStyleUnit = 4;

// How far down and to the right of its building a building shadow is drawn, in pixels: half a
// style unit, or 0 (no shadow) when that is less than a pixel and a half.
double building_shadow_offset(const MapView& view);

// Lines of longitude (vertical) and latitude (horizontal) crossing `pixels` of the view, in
// pixels, at a round spacing of degrees, minutes or seconds about 150 pixels apart.
std::vector<QLineF> grid_lines(const MapView& view, const QRectF& pixels);

// The scale bar at the bottom left of the view: a bar of a round ground length with its ends
// turned up, and its text ("500 m", "2 km") above it.
struct ScaleBar {
    QPolygonF bar;
    QString text;
    QPointF text_origin;  // the left end of the text's base line
    QRectF text_box;      // where the text goes, for picking
};
ScaleBar scale_bar(const MapView& view);

// The arrows along the active route leg that fall within `pixels`, each a chevron of three
// points pointing the way the route goes, spaced evenly from the route's start so that they
// stay put when the view moves.
std::vector<QPolygonF> route_arrows(const MapData& map, const MapView& view, const QRectF& pixels);

}  // namespace quorvane
