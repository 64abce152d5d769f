// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>

#include "map/map_data.h"

namespace quorvane {

class MapFeatureTable;

// How a load reports and is stopped. Both are used from the thread that loads.
struct MapLoadProgress {
    // The share of all the files' bytes read, 0 to 1, now and then.
    std::function<void(double done)> report;
    // Set from any thread to stop the load soon after.
    const std::atomic<bool>* cancel = nullptr;
};

// A finished load: the map of every file read whole (combined), and one message per file that
// could not be.
struct MapLoadResult {
    // What was read whole; null only when the load was cancelled.
    std::shared_ptr<const MapData> map;
    // "Cannot read map <path>: <reason>", in the order of the files.
    QStringList errors;
    bool cancelled = false;

    bool complete() const { return !cancelled && errors.isEmpty(); }
};

// The files a map can be read from, by name: OpenStreetMap data (.osm, .osm.bz2, .osm.gz,
// .osm.pbf, .pbf) and GPX routes and tracks (.gpx).
bool is_map_file_name(const QString& path);

// Reads map files, each whole or not at all, into one map. Safe to call from a worker thread:
// it touches nothing but its arguments, and the map it returns never changes.
MapLoadResult load_map(const QStringList& paths, const MapFeatureTable& table,
                       const MapLoadProgress& progress = {});

// The message for a file that cannot be read.
QString cannot_read_map_message(const QString& path, const QString& reason);

// The line that says what was incomplete at the data's edges, or an empty text when nothing
// was: "Incomplete at the edges of the map data: 3 ways drawn from the nodes present, 1 area
// left out".
QString edge_counts_message(const MapEdgeCounts& counts);

}  // namespace quorvane
