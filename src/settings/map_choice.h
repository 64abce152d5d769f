// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>

namespace quorvane {

// What the Map panel showed when the editor last closed, so that it opens on the same map.
struct MapChoice {
    QStringList files;     // the map data; empty for the sample town
    QString presentation;  // empty for the theme's first
    bool hide_unstyled = false;
    bool show_legend = false;
    // Where the map looked: the centre in Web Mercator metres and the metres per pixel; 0 for
    // the whole map.
    QPointF centre;
    double metres_per_pixel = 0;

    friend bool operator==(const MapChoice&, const MapChoice&) = default;
};

// The file in a system folder that keeps it.
QString map_choice_path(const QString& folder);

// Writes the choice to `folder`, replacing the last one; false when it could not be written (the
// next start then shows the sample town, which loses nothing).
bool save_map_choice(const QString& folder, const MapChoice& choice);

// The choice kept in `folder`; the sample town, whole, when none is kept or it cannot be read.
MapChoice load_map_choice(const QString& folder);

}  // namespace quorvane
