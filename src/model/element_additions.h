#pragma once

#include <QString>
#include <vector>

#include "model/element.h"
#include "model/theme.h"

namespace quorvane {

// What the element picker hands over to add_element.
struct PickedElements {
    QString polygons;  // picked polygon names, each followed by CR LF; empty when none
    QString lines;     // picked line names, each followed by CR LF; empty when none
    QString target;    // rank digit then presentation name, e.g. "2TRAFFIC"; empty when none

    void clear() {
        polygons.clear();
        lines.clear();
        target.clear();
    }
};

// The tile label of a catalogue name: every "_" becomes a blank, then every "CLR" goes.
QString element_display_name(const QString& name);

// A new Element with the default style of its kind.
Element new_polygon(const QString& name, const QString& presentation, int rank);
Element new_line(const QString& name, const QString& presentation, int rank);

// Orders the Elements by sort code, keeping the order of Elements with equal codes, so each
// presentation forms one run with its polygons before its lines.
void sort_elements(std::vector<Element>& elements);

// Appends one Element per picked name with the default style of its kind, re-sorts the whole
// table and marks the theme modified. Replaces the target text by the bare presentation name.
// Adds nothing (and leaves the flag alone) when nothing was picked or no presentation was given.
void add_element(Theme& theme, PickedElements& picked);

// Whether the presentation of `rank` already holds the catalogue feature `name`.
bool has_element(const Theme& theme, const QString& name, int rank);

}  // namespace quorvane
