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
    QString Element::*text;
};

constexpr std::array kFieldNames{
    FieldNames{StyleField::Scale, "scale", "scale", &Element::scale},
    FieldNames{StyleField::Border, "border", "border", &Element::border},
    FieldNames{StyleField::PrimaryDay, "primary.day", "primary_day", &Element::primary_day},
    FieldNames{StyleField::PrimaryNight, "primary.night", "primary_night", &Element::primary_night},
    FieldNames{StyleField::SecondaryDay, "secondary.day", "secondary_day", &Element::secondary_day},
    FieldNames{StyleField::SecondaryNight, "secondary.night", "secondary_night",
               &Element::secondary_night},
};

const FieldNames& names_of(StyleField field) {
    for (const FieldNames& names : kFieldNames) {
        if (names.field == field) {
            return names;
        }
    }
    return kFieldNames[0];  // StyleField::None names no value; callers never pass it
}

int hex_digit(char16_t c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
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

QString& style_field_text(Element& e, StyleField field) {
    return e.*names_of(field).text;
}

const QString& style_field_text(const Element& e, StyleField field) {
    return e.*names_of(field).text;
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

std::optional<int> six_digit_colour(QStringView text) {
    if (text.size() != 6) {
        return std::nullopt;
    }
    int channels[3] = {};
    for (int k = 0; k < 6; ++k) {
        const int digit = hex_digit(text[k].unicode());
        if (digit < 0) {
            return std::nullopt;
        }
        channels[k / 2] = channels[k / 2] * 16 + digit;
    }
    return rgb(channels[0], channels[1], channels[2]);
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
