// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

#include "map/map_reading.h"

namespace quorvane {

class MapDataBuilder;
class MapFeatureTable;

// The OpenStreetMap file formats the map reads.
enum class OsmFormat { Xml, XmlBzip2, XmlGzip, Pbf };

// The format a file name stands for (.osm, .osm.bz2, .osm.gz, .osm.pbf or .pbf), if any.
bool osm_format_of(const QString& path, OsmFormat* format);

// Reads an OpenStreetMap file into `builder`: every way and area the table gives a feature,
// areas assembled from closed ways and from multipolygon and boundary relations. Ways missing
// nodes and areas that cannot be closed are counted in the builder's edge counts. Throws
// MapReadError for data it cannot read whole and MapReadCancelled when cancelled.
void read_osm_file(const QString& path, OsmFormat format, const MapFeatureTable& table,
                   MapDataBuilder& builder, const MapReadControl& control);

// The same for data in memory.
void read_osm_bytes(QByteArrayView bytes, OsmFormat format, const MapFeatureTable& table,
                    MapDataBuilder& builder, const MapReadControl& control);

}  // namespace quorvane
