// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "format/writable_values.h"
#include "support/printers.h"

namespace quorvane {
namespace {

Element line() {
    Element e;
    e.field_name = QStringLiteral("MAP_ROAD_DIM_CLR");
    e.presentation = QStringLiteral("TURN PREVIEW");
    e.scale = QStringLiteral("1");
    e.border = QStringLiteral(".6");
    e.primary_day = QStringLiteral("CECECE");
    e.secondary_day = QStringLiteral("0A0A0A");
    return e;
}

// Values are tried in a written file only when they are not plainly safe: these are the texts
// the writer or the reader would change.
TEST(WritableValues, ValuesThatWouldNotComeBackAreNamed) {
    const struct {
        const char* what;
        QString (*problem)();
        const char* expected;
    } cases[] = {
        {"plain values", [] { return style_value_problem(line(), StyleField::Scale); }, ""},
        {"an exponent the reader upper-cases",
         [] {
             Element e = line();
             e.scale = QStringLiteral("1e1");
             return style_value_problem(e, StyleField::Scale);
         },
         "\"1e1\" would read back as \"1E1\""},
        {"a space ends an attribute",
         [] {
             Element e = line();
             e.border = QStringLiteral(" .6");
             return style_value_problem(e, StyleField::Border);
         },
         "\" .6\" would read back as \"\""},
        {"a lower-case name", [] { return field_name_problem(QStringLiteral("map_road_clr")); },
         "\"map_road_clr\" would read back as \"MAP_ROAD_CLR\""},
        {"a word the reader looks for",
         [] { return field_name_problem(QStringLiteral("MAP_BORDER_CLR")); },
         "\"MAP_BORDER_CLR\" would change how the rest of its style reads back"},
        {"a quote in a name", [] { return field_name_problem(QStringLiteral("MAP_\"X_CLR")); },
         "would read back as \"MAP_\""},
        {"a Latin-1 name", [] { return field_name_problem(QStringLiteral("MAP_CAF\u00c9_CLR")); },
         ""},
        {"spaces around a presentation", [] { return presentation_problem(" TURN PREVIEW "); }, ""},
        {"two spaces in a presentation",
         [] { return presentation_problem(QStringLiteral("TURN  PREVIEW")); },
         "\"TURN  PREVIEW\" would read back as \"TURN PREVIEW\""},
        {"a character outside Latin-1",
         [] { return presentation_problem(QStringLiteral("BROWSE \u2192")); },
         "\"BROWSE \u2192\" would read back as \"BROWSE ?\""},
        {"a secondary colour under a border of 0",
         [] {
             Element e = line();
             e.border = QStringLiteral("0");
             return style_value_problem(e, StyleField::SecondaryDay);
         },
         "\"0A0A0A\" would be left out of the file: a style with a border of 0 has no secondary "
         "colours there"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.problem().contains(QString::fromUtf8(c.expected)), true)
            << c.what << ": " << c.problem().toStdString();
        EXPECT_EQ(c.problem().isEmpty(), *c.expected == '\0') << c.what;
    }
}

TEST(WritableValues, MetadataComesBackWithItsDefaults) {
    // Empty texts are written as their defaults, a version as its major and minor part.
    EXPECT_TRUE(metadata_problems({"Alpine", {}, {}, "2"}).empty());
    EXPECT_TRUE(metadata_problems({"My theme", "map theme", "Global", "BETA"}).empty());
    const auto problems = metadata_problems({"Alpine <3", "A/B", "Global", "1.0b"});
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].first, MetadataField::Title);
    EXPECT_EQ(problems[0].second, QStringLiteral("\"Alpine <3\" would read back as \"Alpine 3\""));
    EXPECT_EQ(problems[1].first, MetadataField::Description);
    EXPECT_EQ(problems[2].second, QStringLiteral("\"1.0b\" would read back as \"1.0B\""));
}

TEST(WritableValues, ChangedFieldsAreCheckedOnlyWhereTheyChanged) {
    Theme theme;
    theme.elements = {line(), line()};
    theme.elements[0].scale = QStringLiteral("WIDE");  // as read, and left alone
    theme.elements[1].primary_day.clear();
    theme.elements[1].primary_night = QStringLiteral("FF0000");
    const StyleChanges changes{
        {{0, field_bit(StyleField::PrimaryDay)}, {1, field_bit(StyleField::PrimaryNight)}}, 1, 0};
    EXPECT_EQ(unwritable_changes(theme, changes),
              QStringList{"TURN PREVIEW, MAP_ROAD_DIM_CLR, primary.night: \"FF0000\" would be "
                          "left out of the file: a night colour is written only with its day "
                          "colour"});
}

}  // namespace
}  // namespace quorvane
