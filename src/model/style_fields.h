// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "colour/colour_values.h"
#include "model/element.h"
#include "model/theme_check.h"

namespace quorvane {

// The six values of a style that batch edits set and diffs compare, in the order they are listed.
inline constexpr std::array kStyleFields{StyleField::Scale,        StyleField::Border,
                                         StyleField::PrimaryDay,   StyleField::PrimaryNight,
                                         StyleField::SecondaryDay, StyleField::SecondaryNight};
inline constexpr std::array kColourFields{StyleField::PrimaryDay, StyleField::PrimaryNight,
                                          StyleField::SecondaryDay, StyleField::SecondaryNight};

// A set of StyleFields, one bit each.
using StyleFieldSet = unsigned;
constexpr StyleFieldSet field_bit(StyleField field) {
    return 1u << unsigned(field);
}

// The name users type and read: "scale", "border", "primary.day", "secondary.night".
QString style_field_key(StyleField field);
// The name of the field in the JSON dump: "scale", "primary_day".
QString style_field_json_key(StyleField field);
// The field a name of style_field_key stands for; nothing for any other text.
std::optional<StyleField> style_field_of_key(QStringView key);

// Inline: a batch edit, a check or a build asks for every field of every style.
inline QString& style_field_text(Element& e, StyleField field) {
    switch (field) {
        case StyleField::Scale:
            return e.scale;
        case StyleField::Border:
            return e.border;
        case StyleField::PrimaryDay:
            return e.primary_day;
        case StyleField::PrimaryNight:
            return e.primary_night;
        case StyleField::SecondaryDay:
            return e.secondary_day;
        case StyleField::SecondaryNight:
            return e.secondary_night;
        case StyleField::None:
            break;
    }
    return e.scale;  // None names no value; callers never pass it
}
inline const QString& style_field_text(const Element& e, StyleField field) {
    return style_field_text(const_cast<Element&>(e), field);
}

bool is_colour_field(StyleField field);
// Scale, border and the secondary colours: an area has none of them.
bool is_line_only_field(StyleField field);

// "WATER" for "MAP_WATER_CLR": the name the catalogue lists; other names as they are.
QStringView catalogue_part(const QString& field_name);

// Whether `text` is the colour whose six upper-case digits are `upper_digits`, in either case.
// Quicker than reading the text as a number: most texts differ in their first digit.
bool is_colour_text(QStringView text, QStringView upper_digits);

// Whether two texts of `field` mean the same: colours compare as values ("aabbcc" is
// "AABBCC"), numbers by value (".6" is "0.6"; but a border of "0", left out of the file, is
// only "0"), anything else as text.
bool same_style_value(StyleField field, const QString& a, const QString& b);

}  // namespace quorvane
