// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "model/style_fields.h"
#include "model/theme.h"

namespace quorvane {

// One change a batch edit makes to each chosen style.
struct StyleSetter {
    // Changes one style, Element `number`; returns the fields whose value changed.
    using Change = std::function<StyleFieldSet(Element& e, int number)>;
    Change apply;
    // For a change that depends on more than one style (night colours worked out from the day
    // colours of the whole theme): makes `apply` from the theme as the changes before it left it
    // and from the chosen Elements. Empty for a change that looks at one style only.
    std::function<Change(const Theme& theme, const std::vector<int>& chosen)> prepare;
    // An area has no scale, border or secondary colour: such a change leaves areas alone.
    bool lines_only = false;
};

// Reads one change as typed: NAME=VALUE, where NAME is
//   scale, border                        a number such as 1.5 or .6 (lines only)
//   primary.day, primary.night,
//   secondary.day, secondary.night       a colour #RRGGBB (the secondary ones on lines only)
//   colour                               colour:#OLD=#NEW, every colour of value OLD becomes NEW
//   night-from-day[=DARKNESS]            Make Night Colours on the chosen styles (0..100)
//   snap-to-palette                      Snap to Device Palette on the chosen styles
// A new change is one more row in the table of names in the source. Nothing, with the reason in
// `error`, when the text is not such a change.
std::optional<StyleSetter> parse_style_setter(const QString& text, QString& error);

// What a batch edit changed.
struct StyleChanges {
    // The changed Elements' numbers, in theme order, each with the fields that changed.
    std::vector<std::pair<int, StyleFieldSet>> changed;
    int presentations = 0;     // how many presentations hold a changed Element
    int areas_left_alone = 0;  // chosen areas a lines-only change did not touch
};

// Applies every setter, in order, to the chosen Elements (numbers in theme order).
StyleChanges apply_style_setters(Theme& theme, const std::vector<int>& chosen,
                                 const std::vector<StyleSetter>& setters);

// "12 styles changed in 3 presentations", and how many areas were left alone.
QString style_changes_summary(const StyleChanges& changes);

}  // namespace quorvane
