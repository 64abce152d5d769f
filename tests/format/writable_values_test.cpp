// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "format/writable_values.h"
#include "support/printers.h"

namespace quorvane {
namespace {

// A line with one field set to `text`.
Element line_with(StyleField field, const char* text) {
    Element e;
    e.field_name = QStringLiteral("MAP_ROAD_DIM_CLR");
    e.presentation = QStringLiteral("TURN PREVIEW");
    e.scale = QStringLiteral("1");
    e.border = QStringLiteral(".6");
    e.primary_day = QStringLiteral("CECECE");
    e.secondary_day = QStringLiteral("0A0A0A");
    style_field_text(e, field) = QString::fromUtf8(text);
    return e;
}

// Values are tried in a written file only when they are not plainly safe: these are the texts
// the writer or the reader would change, and some it would not.
TEST(WritableValues, ValuesThatWouldNotComeBackAreNamed) {
    const struct {
        QString problem;
        const char* expected;
    } cases[] = {
        {style_value_problem(line_with(StyleField::Scale, "1.25"), StyleField::Scale), ""},
        {style_value_problem(line_with(StyleField::Scale, "1e1"), StyleField::Scale),
         "\"1e1\" would read back as \"1E1\""},
        {style_value_problem(line_with(StyleField::Border, " .6"), StyleField::Border),
         "\" .6\" would read back as \"\""},
        {style_value_problem(line_with(StyleField::Border, "0"), StyleField::SecondaryDay),
         "\"0A0A0A\" would be left out of the file: a style with a border of 0 has no secondary "
         "colours there"},
        {field_name_problem(QStringLiteral("map_road_clr")),
         "\"map_road_clr\" would read back as \"MAP_ROAD_CLR\""},
        {field_name_problem(QStringLiteral("MAP_BORDER_CLR")),
         "\"MAP_BORDER_CLR\" would change how the rest of its style reads back"},
        {field_name_problem(QStringLiteral("MAP_\"X_CLR")), "would read back as \"MAP_\""},
        {field_name_problem(QStringLiteral("MAP_CAF\u00c9_CLR")), ""},
        {presentation_problem(QStringLiteral("TURN  PREVIEW")),
         "\"TURN  PREVIEW\" would read back as \"TURN PREVIEW\""},
        {presentation_problem(QStringLiteral("BROWSE \u2192")),
         "\"BROWSE \u2192\" would read back as \"BROWSE ?\""},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(c.problem.contains(QString::fromUtf8(c.expected))) << c.problem.toStdString();
        EXPECT_EQ(c.problem.isEmpty(), *c.expected == '\0') << c.expected;
    }
}

// A clipboard text made elsewhere passes the style editor's checks before it is pasted: a
// crafted scale would add styles to the saved theme, a border of 0 would turn lines to areas.
TEST(WritableValues, PastedStylesNeedNumbersTheFileKeeps) {
    const QString text = QStringLiteral(
        "Quorvane style: line\nScale: %1\nBorder: %2\nPrimary day: #CECECE\n"
        "Primary night: none\nSecondary day: #0A0A0A\nSecondary night: none\n");
    const QString problems[] = {
        copied_style_problem(*copied_style_from_text(text.arg("1.5", ".6"))),
        copied_style_problem(*copied_style_from_text(text.arg("1\"><STYLE field=\"X\"", ".6"))),
        copied_style_problem(*copied_style_from_text(text.arg("1", "0")))};
    EXPECT_EQ(problems[0], "");
    EXPECT_EQ(problems[1], "Scale: \"1\\\"><STYLE field=\\\"X\\\"\" is not a number");
    EXPECT_TRUE(problems[2].startsWith("Border: a border of 0 is left out of the file"));
}

TEST(WritableValues, MetadataComesBackWithItsDefaultsAndChangesOnlyWhereTheyChanged) {
    // Empty texts are written as their defaults, a version as its major and minor part.
    EXPECT_TRUE(metadata_problems({"Alpine", {}, {}, "2"}).empty());
    const auto problems = metadata_problems({"Alpine <3", "map\ntheme", "Global", "1.0b"});
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].first, MetadataField::Title);
    EXPECT_EQ(problems[1].second,
              QStringLiteral("\"map\\ntheme\" holds a line end, which a metadata field cannot"));
    EXPECT_EQ(problems[2].second, QStringLiteral("\"1.0b\" would read back as \"1.0B\""));

    // A faulty value the edit did not touch is not the edit's to refuse.
    Theme theme;
    theme.elements = {line_with(StyleField::Scale, "WIDE"), line_with(StyleField::PrimaryDay, "")};
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
