// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "map/map_reading.h"

class QIODevice;

namespace quorvane {

class MapDataBuilder;
class MapFeatureTable;

// Whether a route and a track were read before: only the first of each, over all the files of
// one map, is the active one.
struct GpxReadState {
    bool route_seen = false;
    bool track_seen = false;
};

// Reads the routes (<rte>) and tracks (<trk>, each segment a line) of a GPX 1.1 document into
// `builder`, as objects tagged gpx=route or gpx=track, gpx:first=yes for the first of each, the
// GPX <type> and <name> texts as type and name. Waypoints are not drawn. Throws MapReadError for
// a document it cannot read whole and MapReadCancelled when cancelled.
void read_gpx(QIODevice& device, const MapFeatureTable& table, MapDataBuilder& builder,
              GpxReadState& state, const MapReadControl& control);

}  // namespace quorvane
