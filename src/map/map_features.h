// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace quorvane {

// A catalogue feature as the map knows it: its position in the polygon list, or the polygon
// count plus its position in the line list. Small, so that a million shapes can carry one.
using MapFeature = int;
inline constexpr MapFeature kNoMapFeature = -1;

int map_feature_count();
// The catalogue name, "ROAD_HWY_MJR".
const QString& map_feature_name(MapFeature feature);
// Polygons fill areas; lines draw ways.
bool is_area_feature(MapFeature feature);
// kNoMapFeature for a name outside the catalogue.
MapFeature map_feature_named(QStringView name);

// The features the map draws without data of their own.
struct DrawnFeatures {
    MapFeature land, building, building_shadow, grid_line, scale_line, legend, route_arrow,
        active_leg;
};
const DrawnFeatures& drawn_features();

// Bottom to top: the areas; the lines (casings of all, then cores of all, in this order), minor
// roads under major ones; then the overlays, over everything.
const std::vector<MapFeature>& area_draw_order();
const std::vector<MapFeature>& line_draw_order();
const std::vector<MapFeature>& overlay_draw_order();

}  // namespace quorvane
