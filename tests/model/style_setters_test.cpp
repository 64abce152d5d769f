// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/style_setters.h"
#include "support/printers.h"

namespace quorvane {
namespace {

Element line() {
    Element e;
    e.field_name = QStringLiteral("MAP_ROAD_DIM_CLR");
    e.presentation = QStringLiteral("GUIDANCE");
    e.scale = QStringLiteral("1");
    e.border = QStringLiteral(".6");
    e.primary_day = QStringLiteral("cecece");
    e.primary_night = QStringLiteral("AAFF00");
    e.secondary_day = QStringLiteral("0A0A0A");
    return e;
}

Element area() {
    Element e;
    e.field_name = QStringLiteral("MAP_WATER_CLR");
    e.presentation = QStringLiteral("BROWSE");
    e.primary_day = QStringLiteral("CECECE");
    return e;
}

// The style with one field set to `text`.
Element with(Element e, StyleField field, const char* text) {
    style_field_text(e, field) = QString::fromLatin1(text);
    return e;
}

TEST(StyleSetters, ChangeWhatTheyNameAndCountTheStylesChanged) {
    const char* const kAreaLeftAlone =
        "; 1 area left alone (an area has no scale, border or secondary colour)";
    const struct {
        std::vector<const char*> setters;
        Element line_after;
        Element area_after;
        StyleFieldSet line_fields;
        std::string summary;
    } cases[] = {
        {{"scale=2.5"},
         with(line(), StyleField::Scale, "2.5"),
         area(),
         field_bit(StyleField::Scale),
         std::string("1 style changed in 1 presentation") + kAreaLeftAlone},
        // Numbers and colours compare as values: nothing changes.
        {{"border=0.6", "primary.day=#CECECE"},
         line(),
         area(),
         0,
         std::string("No style changed") + kAreaLeftAlone},
        {{"primary.night=#ff8000"},
         with(line(), StyleField::PrimaryNight, "FF8000"),
         with(area(), StyleField::PrimaryNight, "FF8000"),
         field_bit(StyleField::PrimaryNight),
         "2 styles changed in 2 presentations"},
        {{"colour:#0a0a0a=#000000", "secondary.night=#FFFFFF"},
         with(with(line(), StyleField::SecondaryDay, "000000"), StyleField::SecondaryNight,
              "FFFFFF"),
         area(),
         field_bit(StyleField::SecondaryDay) | field_bit(StyleField::SecondaryNight),
         std::string("1 style changed in 1 presentation") + kAreaLeftAlone},
    };
    for (const auto& c : cases) {
        const std::string name = testing::PrintToString(c.setters);
        std::vector<StyleSetter> setters;
        for (const char* text : c.setters) {
            QString error;
            std::optional<StyleSetter> setter =
                parse_style_setter(QString::fromLatin1(text), error);
            ASSERT_TRUE(setter) << error.toStdString();
            setters.push_back(*setter);
        }
        Theme theme{{line(), area()}, {}, {}, {}};
        const StyleChanges changes = apply_style_setters(theme, {0, 1}, setters);
        EXPECT_EQ(theme.elements[0], c.line_after) << name;
        EXPECT_EQ(theme.elements[1], c.area_after) << name;
        const StyleFieldSet line_fields = !changes.changed.empty() && changes.changed[0].first == 0
                                              ? changes.changed[0].second
                                              : 0;
        EXPECT_EQ(line_fields, c.line_fields) << name;
        EXPECT_EQ(style_changes_summary(changes).toStdString(), c.summary) << name;
    }
}

TEST(StyleSetters, ValuesTheFileCannotHoldAreRefused) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"scale=wide", "scale=wide: \"wide\" is not a number such as 1.5 or .6"},
        {"border=0",
         "border=0: a border of 0 is left out of the file, and the line would read "
         "back as an area"},
        {"primary.day=#12", "primary.day=#12: \"#12\" is not a colour such as #FF8000"},
        {"colour:#FF0000", "colour:#FF0000: a colour replacement is colour:#OLD=#NEW"},
        {"colour:#FF0000=red", "colour:#FF0000=red: \"red\" is not a colour such as #FF8000"},
        {"tertiary.day=#FF0000", "tertiary.day=#FF0000: a change is scale=, border="},
        {"night-from-day=-1", "night-from-day=-1: \"-1\" is not a darkness"},
        {"night-from-day=", "night-from-day=: \"\" is not a darkness"},
        {"night-from-day=50.5", "night-from-day=50.5: \"50.5\" is not a darkness"},
        {"snap-to-palette=day", "snap-to-palette=day: snap-to-palette takes no value"},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(parse_style_setter(QString::fromLatin1(c.text), error)) << c.text;
        EXPECT_TRUE(error.startsWith(QString::fromLatin1(c.error))) << error.toStdString();
    }
}

// A change that looks at the whole theme sees it as the changes before it left it.
TEST(StyleSetters, AWholeThemeChangeIsPreparedAfterTheChangesBeforeIt) {
    QString error;
    StyleSetter copy_day_to_night;
    copy_day_to_night.prepare = [](const Theme& theme, const std::vector<int>& chosen) {
        const QString day = theme.elements[size_t(chosen.front())].primary_day;
        return [day](Element& e, int) {
            e.primary_night = day;
            return field_bit(StyleField::PrimaryNight);
        };
    };
    Theme theme{{line(), area()}, {}, {}, {}};
    apply_style_setters(
        theme, {0, 1},
        {*parse_style_setter(QStringLiteral("primary.day=#123456"), error), copy_day_to_night});
    EXPECT_EQ(theme.elements[1].primary_night, QStringLiteral("123456"));
}

}  // namespace
}  // namespace quorvane
