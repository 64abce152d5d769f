// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/style_fields.h"

#include "colour/colour_values.h"
#include "text/ascii_text.h"

namespace quorvane {

namespace {

struct FieldNames {
    StyleField field;
    const char* key;
    const char* json_key;
};

constexpr std::array kFieldNames{
    FieldNames{StyleField::Scale, "scale", "scale"},
    FieldNames{StyleField::Border, "border", "border"},
    FieldNames{StyleField::PrimaryDay, "primary.day", "primary_day"},
    FieldNames{StyleField::PrimaryNight, "primary.night", "primary_night"},
    FieldNames{StyleField::SecondaryDay, "secondary.day", "secondary_day"},
    FieldNames{StyleField::SecondaryNight, "secondary.night", "secondary_night"},
};

const FieldNames& names_of(StyleField field) {
    for (const FieldNames& names : kFieldNames) {
        if (names.field == field) {
            return names;
        }
    }
    return kFieldNames[0];  // StyleField::None names no value; callers never pass it
}

}  // namespace

QString style_field_key(StyleField field) {
    return QLatin1String(names_of(field).key);
}

QString style_field_json_key(StyleField field) {
    return QLatin1String(names_of(field).json_key);
}

std::optional<StyleField> style_field_of_key(QStringView key) {
    for (const FieldNames& names : kFieldNames) {
        if (key == QLatin1String(names.key)) {
            return names.field;
        }
    }
    return std::nullopt;
}

bool is_colour_field(StyleField field) {
    return field != StyleField::Scale && field != StyleField::Border && field != StyleField::None;
}

bool is_line_only_field(StyleField field) {
    return field == StyleField::Scale || field == StyleField::Border ||
           field == StyleField::SecondaryDay || field == StyleField::SecondaryNight;
}

QStringView catalogue_part(const QString& field_name) {
    QStringView name(field_name);
    if (name.size() > 8 && name.startsWith(QLatin1String("MAP_")) &&
        name.endsWith(QLatin1String("_CLR"))) {
        return name.sliced(4, name.size() - 8);
    }
    return name;
}

bool is_colour_text(QStringView text, QStringView upper_digits) {
    if (text.size() != 6 || upper_digits.size() != 6) {
        return false;
    }
    for (qsizetype k = 0; k < 6; ++k) {
        char16_t c = text[k].unicode();
        if (c >= 'a' && c <= 'f') {
            c = char16_t(c - 'a' + 'A');
        }
        if (c != upper_digits[k].unicode()) {
            return false;
        }
    }
    return true;
}

bool same_style_value(StyleField field, const QString& a, const QString& b) {
    if (a == b) {
        return true;
    }
    if (is_colour_field(field)) {
        const std::optional<int> x = six_digit_colour(a);
        return x && x == six_digit_colour(b);
    }
    // The writer leaves a border of exactly "0" out of the file: it is not the same as "0.0".
    if (field == StyleField::Border && (a == QLatin1String("0") || b == QLatin1String("0"))) {
        return false;
    }
    const std::optional<double> x = read_decimal(a);
    return x && x == read_decimal(b);
}

}  // namespace quorvane
