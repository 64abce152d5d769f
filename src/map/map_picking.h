// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QString>
#include <vector>

#include "map/map_drawing.h"

namespace quorvane {

class MapData;
struct Theme;

// The feature drawn topmost under a pixel.
struct MapPick {
    MapFeature feature = kNoMapFeature;
    // The Element that styles it in the presentation (an index into the theme's elements), or
    // -1: "not styled in <presentation>".
    int element = -1;
    // The shape's name in the data (a street's, a lake's), if it has one.
    QString name;

    bool styled() const { return element >= 0; }
};

// What is drawn at `pixel` of `view`, searched from the top: the scale bar, route arrows,
// routes and tracks, the grid, lines, areas, and at last the LAND background. Lines are found
// within a few pixels of their centre. Only shapes near the pixel are visited.
MapPick pick_map_feature(const MapData& map, const MapStyles& styles, const MapView& view,
                         QPointF pixel, const MapDrawOptions& options = {});

// "ROAD HWY MJR · GUIDANCE · scale 1, border .6", "WATER · GUIDANCE", or
// "ROAD HWY MJR · not styled in GUIDANCE".
QString map_pick_text(const Theme& theme, const MapStyles& styles, const MapPick& pick);

// One catalogue feature as the map's legend lists it.
struct MapLegendEntry {
    MapFeature feature = kNoMapFeature;
    bool in_data = false;  // the data holds it, or the map draws it by itself
    bool in_view = false;
    int element = -1;  // the Element that styles it; -1 when not styled

    bool styled() const { return element >= 0; }
};

// Every catalogue feature in catalogue order, with where it occurs and whether it is styled.
std::vector<MapLegendEntry> map_legend(const MapData& map, const MapStyles& styles,
                                       const MapView& view);

}  // namespace quorvane
