#pragma once

#include <QString>

#include "model/style_text.h"

namespace quorvane {

// One STYLE of a theme: one styled map feature inside one presentation. Every field but the
// sort code is text exactly as read or entered; an empty text means the value is absent.
struct Element {
    int sort_code = 0;     // rank * 10 + kind digit (1 for a line, 0 for a polygon)
    QString field_name;    // e.g. MAP_WATER_CLR
    QString display_name;  // label of the preview tile
    QString presentation;  // name of the presentation that holds it, spaces as read
    QString scale;
    QString border;       // empty for a polygon
    QString primary_day;  // colour texts: RRGGBB without "#"
    QString primary_night;
    QString secondary_day;
    QString secondary_night;
    StyleText style_text;  // the STYLE text as read; empty for Elements added here

    // The empty border is what marks a polygon everywhere in the program.
    bool is_polygon() const { return border.isEmpty(); }

    friend bool operator==(const Element&, const Element&) = default;
};

}  // namespace quorvane
