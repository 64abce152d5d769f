// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/style_setters.h"

#include <QCoreApplication>
#include <QSet>
#include <algorithm>
#include <memory>

#include "colour/colour_values.h"
#include "model/recolouring.h"
#include "text/ascii_text.h"

namespace quorvane {

namespace {

// Digits with at most one "." among them, as the style editor writes scales and borders.
bool is_plain_number(const QString& text) {
    bool digit = false;
    bool point = false;
    for (const QChar c : text) {
        if (c.isDigit() && c.unicode() < 128) {
            digit = true;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

std::optional<StyleSetter> number_setter(StyleField field, const QString& value, QString& error) {
    if (!is_plain_number(value)) {
        error =
            QCoreApplication::translate("StyleSetters", "\"%1\" is not a number such as 1.5 or .6")
                .arg(value);
        return std::nullopt;
    }
    // The writer leaves such a border out of the file, and the line would read back as an area.
    if (field == StyleField::Border && value == QLatin1String("0")) {
        error = QCoreApplication::translate(
            "StyleSetters",
            "a border of 0 is left out of the file, and the line would read back as an "
            "area");
        return std::nullopt;
    }
    return StyleSetter{[field, value](Element& e, int) -> StyleFieldSet {
                           QString& text = style_field_text(e, field);
                           if (same_style_value(field, text, value)) {
                               return 0;
                           }
                           text = value;
                           return field_bit(field);
                       },
                       {},
                       true};
}

std::optional<int> colour_value(const QString& text, QString& error) {
    const std::optional<int> colour = typed_colour(text);
    if (!colour) {
        error =
            QCoreApplication::translate("StyleSetters", "\"%1\" is not a colour such as #FF8000")
                .arg(text);
    }
    return colour;
}

std::optional<StyleSetter> colour_setter(StyleField field, const QString& value, QString& error) {
    const std::optional<int> colour = colour_value(value, error);
    if (!colour) {
        return std::nullopt;
    }
    return StyleSetter{
        [field, text = colour_text(*colour), colour](Element& e, int) -> StyleFieldSet {
            QString& current = style_field_text(e, field);
            if (six_digit_colour(current) == colour) {
                return 0;
            }
            current = text;
            return field_bit(field);
        },
        {},
        is_line_only_field(field)};
}

// "#OLD=#NEW": every colour slot holding OLD's value takes NEW.
std::optional<StyleSetter> colour_replacement(StyleField, const QString& value, QString& error) {
    const qsizetype equals = value.indexOf(QLatin1Char('='));
    if (equals < 0) {
        error =
            QCoreApplication::translate("StyleSetters", "a colour replacement is colour:#OLD=#NEW");
        return std::nullopt;
    }
    const std::optional<int> old_colour = colour_value(value.left(equals), error);
    const std::optional<int> new_colour =
        old_colour ? colour_value(value.mid(equals + 1), error) : std::nullopt;
    if (!new_colour) {
        return std::nullopt;
    }
    return StyleSetter{[old_text = colour_text(*old_colour), same = old_colour == new_colour,
                        text = colour_text(*new_colour)](Element& e, int) -> StyleFieldSet {
                           StyleFieldSet changed = 0;
                           if (same) {
                               return changed;
                           }
                           for (const StyleField field : kColourFields) {
                               QString& current = style_field_text(e, field);
                               if (current.size() == 6 && is_colour_text(current, old_text)) {
                                   current = text;
                                   changed |= field_bit(field);
                               }
                           }
                           return changed;
                       },
                       {},
                       false};
}

// Gives `e` the four colours; returns the fields whose text changed.
StyleFieldSet give_colours(Element& e, const StyleColours& colours) {
    StyleFieldSet changed = 0;
    const auto give = [&e, &changed](StyleField field, const QString& text) {
        QString& current = style_field_text(e, field);
        if (current != text) {
            current = text;
            changed |= field_bit(field);
        }
    };
    give(StyleField::PrimaryDay, colours.primary_day);
    give(StyleField::PrimaryNight, colours.primary_night);
    give(StyleField::SecondaryDay, colours.secondary_day);
    give(StyleField::SecondaryNight, colours.secondary_night);
    return changed;
}

using RecolourChosen = std::function<Recolouring(const Theme& theme, const std::vector<int>&)>;

// A change that recolours the chosen styles as the editor's recolouring dialog does: worked out
// once from the whole theme and the chosen Elements together, as the dialog works it out.
StyleSetter recolouring_setter(RecolourChosen recolour) {
    StyleSetter setter;
    setter.prepare = [recolour = std::move(recolour)](const Theme& theme,
                                                      const std::vector<int>& chosen) {
        // Shared: a Change is copied, and the styles can be many.
        const auto styles =
            std::make_shared<const std::vector<RecolouredStyle>>(recolour(theme, chosen).styles);
        return StyleSetter::Change([styles](Element& e, int number) -> StyleFieldSet {
            const auto found = std::lower_bound(
                styles->begin(), styles->end(), number,
                [](const RecolouredStyle& style, int element) { return style.element < element; });
            return found != styles->end() && found->element == number
                       ? give_colours(e, found->colours)
                       : 0;
        });
    };
    return setter;
}

// "night-from-day" or "night-from-day=DARKNESS": Make Night Colours, at the dialog's first
// darkness when none is given. `value` is null when the change has no "=".
std::optional<StyleSetter> night_colours_setter(StyleField, const QString& value, QString& error) {
    int darkness = kDefaultDarkness;
    if (!value.isNull()) {
        const bool digits =
            !value.isEmpty() && std::all_of(value.begin(), value.end(), [](QChar c) {
                return c >= QLatin1Char('0') && c <= QLatin1Char('9');
            });
        bool number = false;
        darkness = digits ? value.toInt(&number) : 0;
        if (!number || darkness < kLeastDarkness || darkness > kMostDarkness) {
            error = QCoreApplication::translate(
                        "StyleSetters", "\"%1\" is not a darkness, a whole number from %2 to %3")
                        .arg(value)
                        .arg(kLeastDarkness)
                        .arg(kMostDarkness);
            return std::nullopt;
        }
    }
    return recolouring_setter([darkness](const Theme& theme, const std::vector<int>& chosen) {
        return make_night_colours(theme, chosen, darkness);
    });
}

// "snap-to-palette": Snap to Device Palette on day and night colours, as the dialog starts.
std::optional<StyleSetter> palette_setter(StyleField, const QString& value, QString& error) {
    if (!value.isNull()) {
        error = QCoreApplication::translate("StyleSetters", "snap-to-palette takes no value");
        return std::nullopt;
    }
    return recolouring_setter([](const Theme& theme, const std::vector<int>& chosen) {
        return snap_to_device_palette(theme, chosen);
    });
}

// The changes --set knows, by name. The value is the text after the first "=" or ":", null
// without either.
struct SetterSyntax {
    const char* name;
    StyleField field;  // the field a plain setter sets
    std::optional<StyleSetter> (*make)(StyleField field, const QString& value, QString& error);
};

const SetterSyntax kSetterSyntax[] = {
    {"scale", StyleField::Scale, number_setter},
    {"border", StyleField::Border, number_setter},
    {"primary.day", StyleField::PrimaryDay, colour_setter},
    {"primary.night", StyleField::PrimaryNight, colour_setter},
    {"secondary.day", StyleField::SecondaryDay, colour_setter},
    {"secondary.night", StyleField::SecondaryNight, colour_setter},
    {"colour", StyleField::None, colour_replacement},
    {"color", StyleField::None, colour_replacement},
    {"night-from-day", StyleField::None, night_colours_setter},
    {"snap-to-palette", StyleField::None, palette_setter},
};

}  // namespace

std::optional<StyleSetter> parse_style_setter(const QString& text, QString& error) {
    qsizetype separator = text.indexOf(QLatin1Char('='));
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon >= 0 && (separator < 0 || colon < separator)) {
        separator = colon;
    }
    const QString name = separator < 0 ? text : text.left(separator);
    // Empty but not null after a "=" with nothing behind it: "night-from-day=" is not
    // "night-from-day".
    const QString value = separator < 0 ? QString() : text.mid(separator + 1);
    for (const SetterSyntax& syntax : kSetterSyntax) {
        if (name == QLatin1String(syntax.name)) {
            std::optional<StyleSetter> setter = syntax.make(syntax.field, value, error);
            if (!setter) {
                error = text + QStringLiteral(": ") + error;
            }
            return setter;
        }
    }
    error = QCoreApplication::translate(
                "StyleSetters",
                "%1: a change is scale=, border=, primary.day=, primary.night=, secondary.day=, "
                "secondary.night=, colour:#OLD=#NEW, night-from-day[=DARKNESS] or "
                "snap-to-palette")
                .arg(text);
    return std::nullopt;
}

StyleChanges apply_style_setters(Theme& theme, const std::vector<int>& chosen,
                                 const std::vector<StyleSetter>& setters) {
    // One setter after the other over every chosen style, so that a setter that looks at the
    // whole theme sees what the setters before it did.
    std::vector<StyleFieldSet> changed(chosen.size(), 0);
    std::vector<bool> left_alone(chosen.size(), false);
    for (const StyleSetter& setter : setters) {
        const StyleSetter::Change change =
            setter.prepare ? setter.prepare(theme, chosen) : setter.apply;
        for (size_t k = 0; k < chosen.size(); ++k) {
            Element& e = theme.elements[size_t(chosen[k])];
            if (setter.lines_only && e.is_polygon()) {
                left_alone[k] = true;
            } else {
                changed[k] |= change(e, chosen[k]);
            }
        }
    }
    StyleChanges changes;
    QSet<QStringView> presentations;
    for (size_t k = 0; k < chosen.size(); ++k) {
        changes.areas_left_alone += left_alone[k] ? 1 : 0;
        if (changed[k] != 0) {
            const Element& e = theme.elements[size_t(chosen[k])];
            changes.changed.emplace_back(chosen[k], changed[k]);
            presentations.insert(space_trimmed_view(e.presentation));
        }
    }
    changes.presentations = int(presentations.size());
    return changes;
}

QString style_changes_summary(const StyleChanges& changes) {
    const int styles = int(changes.changed.size());
    QString text;
    if (styles == 0) {
        text = QCoreApplication::translate("StyleSetters", "No style changed");
    } else {
        const QString style_count =
            styles == 1
                ? QCoreApplication::translate("StyleSetters", "1 style changed")
                : QCoreApplication::translate("StyleSetters", "%1 styles changed").arg(styles);
        text = changes.presentations == 1
                   ? QCoreApplication::translate("StyleSetters", "%1 in 1 presentation")
                         .arg(style_count)
                   : QCoreApplication::translate("StyleSetters", "%1 in %2 presentations")
                         .arg(style_count)
                         .arg(changes.presentations);
    }
    if (changes.areas_left_alone > 0) {
        text += changes.areas_left_alone == 1
                    ? QCoreApplication::translate(
                          "StyleSetters",
                          "; 1 area left alone (an area has no scale, border or secondary colour)")
                    : QCoreApplication::translate(
                          "StyleSetters",
                          "; %1 areas left alone (an area has no scale, border or secondary "
                          "colour)")
                          .arg(changes.areas_left_alone);
    }
    return text;
}

}  // namespace quorvane
