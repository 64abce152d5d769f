// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "model/style_text.h"

namespace quorvane {

// Which Element this is, through every edit, undo and redo: the preview's selection follows it
// when Elements move. It is no part of the content: files never hold it, and it compares equal to
// every other identity, so Elements (and themes) compare by their fields alone. Compare `value`
// to tell two Elements apart.
struct ElementIdentity {
    quint64 value = 0;  // 0: none given yet

    friend bool operator==(ElementIdentity, ElementIdentity) { return true; }
};

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
    StyleText style_text;      // the STYLE text as read; empty for Elements added here
    ElementIdentity identity;  // given by the document that holds the theme

    // The empty border is what marks a polygon everywhere in the program.
    bool is_polygon() const { return border.isEmpty(); }

    friend bool operator==(const Element&, const Element&) = default;
};

}  // namespace quorvane
