// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/copied_style.h"

#include <QStringList>
#include <array>

namespace quorvane {

namespace {

const QString kLineHeading = QStringLiteral("Quorvane style: line");
const QString kPolygonHeading = QStringLiteral("Quorvane style: polygon");
const QString kNoColour = QStringLiteral("none");

// The named values after the heading, in the order they are written.
enum Value { kScale, kBorder, kPrimaryDay, kPrimaryNight, kSecondaryDay, kSecondaryNight };
constexpr std::array<const char*, 6> kValueNames{
    "Scale", "Border", "Primary day", "Primary night", "Secondary day", "Secondary night"};

std::array<QString*, 6> values_of(ElementStyle& style) {
    return {&style.scale,
            &style.border,
            &style.colours.primary_day,
            &style.colours.primary_night,
            &style.colours.secondary_day,
            &style.colours.secondary_night};
}

bool is_colour_value(Value v) {
    return v >= kPrimaryDay;
}

QString colour_for_clipboard(const QString& colour) {
    return colour.isEmpty() ? kNoColour : QLatin1Char('#') + colour;
}

// "#" and one to six hexadecimal digits (the texts keep the length they were read with), or
// "none"; the colour text without "#".
std::optional<QString> colour_from_clipboard(const QString& text) {
    if (text == kNoColour) {
        return QString();
    }
    if (text.size() < 2 || text.size() > 7 || text[0] != QLatin1Char('#')) {
        return std::nullopt;
    }
    for (qsizetype i = 1; i < text.size(); ++i) {
        const char16_t c = text[i].toLower().unicode();
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'))) {
            return std::nullopt;
        }
    }
    return text.mid(1);
}

}  // namespace

CopiedStyle CopiedStyle::of(const Element& element) {
    CopiedStyle copied;
    copied.polygon = element.is_polygon();
    copied.style.colours = StyleColours::of(element);
    if (!copied.polygon) {
        copied.style.scale = element.scale;
        copied.style.border = element.border;
    }
    return copied;
}

ElementStyle CopiedStyle::pasted_onto(const Element& target) const {
    if (polygon) {
        return {target.scale, target.border, style.colours};
    }
    return style;
}

QString clipboard_text(const CopiedStyle& copied) {
    ElementStyle style = copied.style;
    const std::array<QString*, 6> values = values_of(style);
    QStringList lines{copied.polygon ? kPolygonHeading : kLineHeading};
    for (int v = copied.polygon ? kPrimaryDay : kScale; v <= kSecondaryNight; ++v) {
        const QString& value = *values[size_t(v)];
        lines << QLatin1String(kValueNames[size_t(v)]) + QStringLiteral(": ") +
                     (is_colour_value(Value(v)) ? colour_for_clipboard(value) : value);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

std::optional<CopiedStyle> copied_style_from_text(const QString& text) {
    constexpr qsizetype kLongestText = 4096;
    if (text.size() > kLongestText) {
        return std::nullopt;
    }
    // Other programs may hand the text back with CR LF line ends or a missing last line end.
    QStringList lines = QString(text).remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) {
        lines.removeLast();
    }
    if (lines.isEmpty()) {
        return std::nullopt;
    }
    CopiedStyle copied;
    const QString heading = lines.takeFirst().trimmed();
    if (heading != kLineHeading && heading != kPolygonHeading) {
        return std::nullopt;
    }
    copied.polygon = heading == kPolygonHeading;
    const int first = copied.polygon ? kPrimaryDay : kScale;
    if (lines.size() != kSecondaryNight - first + 1) {
        return std::nullopt;
    }
    const std::array<QString*, 6> values = values_of(copied.style);
    for (int v = first; v <= kSecondaryNight; ++v) {
        const QString prefix = QLatin1String(kValueNames[size_t(v)]) + QLatin1Char(':');
        const QString& line = lines[v - first];
        if (!line.startsWith(prefix)) {
            return std::nullopt;
        }
        const QString value = line.mid(prefix.size()).trimmed();
        if (is_colour_value(Value(v))) {
            const std::optional<QString> colour = colour_from_clipboard(value);
            if (!colour) {
                return std::nullopt;
            }
            *values[size_t(v)] = *colour;
        } else {
            *values[size_t(v)] = value;
        }
    }
    // A line without a border would turn the lines it is pasted onto into polygons.
    if (!copied.polygon && copied.style.border.isEmpty()) {
        return std::nullopt;
    }
    return copied;
}

}  // namespace quorvane
