// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1String>

#include "model/element.h"

namespace quorvane {

// What an Element read from a file comes back as after the writer wrote it and the reader read
// that again: the writer's documented losses applied, and without what the reader derives from
// the style's text rather than from its values (the label, the text itself, the spaces around
// the presentation name).
inline Element as_written_and_read(Element e) {
    const bool line = !e.border.isEmpty();
    e.border.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    if (e.primary_day.isEmpty()) {
        e.primary_night.clear();
    }
    if (e.border == QLatin1String("0")) {
        e.border.clear();
        e.secondary_day.clear();
    }
    // Without a border it reads back as a polygon.
    if (line && e.border.isEmpty()) {
        e.sort_code -= 1;
    }
    if (e.secondary_day.isEmpty()) {
        e.secondary_night.clear();
    }
    e.presentation = e.presentation.trimmed();
    e.display_name.clear();
    e.style_text = {};
    return e;
}

// Whether the writer can put the Element's values into a file that reads back the same: a value
// holding one of the words the reader searches for (a field name with "SCALE=" in it) is found
// there on the next read (a presentation name with "ID=" loses it), and spaces around "=" or
// doubled are normalised away with the rest of the text.
inline bool written_losslessly(const Element& e) {
    static const char* const kKeyWords[] = {"FIELD", "SCALE=", "BORDER", "PRIMARY", "SECONDARY",
                                            "DAY",   "NIGHT",  "<",      ">",       " =",
                                            "= ",    "  ",     "ID="};
    for (const QString* value :
         {&e.field_name, &e.presentation, &e.scale, &e.border, &e.primary_day, &e.primary_night,
          &e.secondary_day, &e.secondary_night}) {
        for (const char* word : kKeyWords) {
            if (value->contains(QLatin1String(word))) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace quorvane
