// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "model/element.h"
#include "model/theme.h"

namespace quorvane {

// What the element picker hands over: catalogue names to add to one presentation.
struct ElementPick {
    int rank = 0;          // the presentation's rank
    QString presentation;  // its name; nothing is added without one
    QStringList polygons;  // catalogue names, in the order picked
    QStringList lines;

    bool empty() const { return presentation.isEmpty() || (polygons.isEmpty() && lines.isEmpty()); }
    friend bool operator==(const ElementPick&, const ElementPick&) = default;
};

// The tile label of a catalogue name: every "_" becomes a blank, then every "CLR" goes.
QString element_display_name(const QString& name);

// A new Element with the default style of its kind.
Element new_polygon(const QString& name, const QString& presentation, int rank);
Element new_line(const QString& name, const QString& presentation, int rank);

// Orders the Elements by sort code, keeping the order of Elements with equal codes, so each
// presentation forms one run with its polygons before its lines. `origin`, when given, receives
// for each place the Element's place before, so the order can be undone.
void sort_elements(std::vector<Element>& elements, std::vector<int>* origin = nullptr);

// Appends one Element per picked name (empty names skipped) with the default style of its kind
// and re-sorts the whole table. Returns how many were added; adds nothing when the pick is
// empty. `origin` as for sort_elements, with -1 for the added Elements.
int add_picked_elements(Theme& theme, const ElementPick& pick, std::vector<int>* origin = nullptr);
// The same for picks into several presentations at once, with one sorting at the end.
int add_picked_elements(Theme& theme, const std::vector<ElementPick>& picks,
                        std::vector<int>* origin = nullptr);

// Whether the presentation of `rank` already holds the catalogue feature `name`.
bool has_element(const Theme& theme, const QString& name, int rank);

}  // namespace quorvane
