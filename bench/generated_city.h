// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

namespace quorvane {

// What a generated city holds.
struct GeneratedCity {
    qint64 nodes = 0;
    qint64 ways = 0;
    qint64 multipolygons = 0;
};

// Writes a city-sized OpenStreetMap extract as .osm.pbf with libosmium's writer: a square of
// `cells` x `cells` blocks of 200 m, each with ten buildings, three streets of a class that
// follows a grid of main roads, and two multipolygons (woods, parks, water, housing) with a
// hole each. 100 x 100 blocks make 1.24 million nodes, 170,000 ways and 20,000 multipolygons
// over 20 km.
GeneratedCity write_generated_city(const QString& path, int cells = 100);

}  // namespace quorvane
