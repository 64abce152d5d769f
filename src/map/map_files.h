// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "map/map_feature_table.h"

namespace quorvane {

// The program's installed map files, found in the folder QUORVANE_DATA_DIR names, else next to
// the program, else in share/quorvane beside the program's bin folder (where an install puts
// them, and where the build folder keeps a copy). An empty text when none holds the file.
QString find_map_file(const QString& name);

// The feature table, data/map-features.txt in the sources.
QString map_feature_table_path();

// The sample town and its routes and tracks: the map shown when no other is chosen. Empty when
// they cannot be found.
QStringList sample_town_paths();

// Reads the feature table. Nothing, and the reasons in `errors`, when the file cannot be read or
// one of its rules does not read: a table that leaves rules out would draw a wrong map.
std::optional<MapFeatureTable> read_map_feature_table(const QString& path, QStringList* errors);

}  // namespace quorvane
