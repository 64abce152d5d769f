// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace quorvane {

// The Garmin feature names the program can add, in their catalogue order. A name picked from the
// polygon list becomes a polygon Element, a name from the line list a line Element; nothing else
// decides the kind of a new Element.
const QStringList& polygon_catalogue();
const QStringList& line_catalogue();

// The field name a catalogue name is styled under: "MAP_WATER_CLR" for "WATER".
QString catalogue_field_name(const QString& name);

bool is_catalogue_polygon(const QString& name);
bool is_catalogue_line(const QString& name);

}  // namespace quorvane
