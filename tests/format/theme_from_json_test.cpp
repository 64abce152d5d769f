// SPDX-License-Identifier: GPL-3.0-or-later
// JSON in the dump's shape made into a theme: its faults located, its values checked, and the
// round trip dump -> build = resave over every theme under tests/data.
#include <gtest/gtest.h>

#include <QDirIterator>

#include "format/metadata.h"
#include "format/reader.h"
#include "format/theme_from_json.h"
#include "format/theme_json.h"
#include "format/writer.h"
#include "model/element_additions.h"
#include "support/printers.h"

namespace quorvane {
namespace {

QStringList problem_texts(const char* json) {
    QStringList texts;
    for (const JsonProblem& problem : theme_from_json(json).problems) {
        texts.append(problem.text());
    }
    return texts;
}

TEST(ThemeFromJson, FaultsAreNamedByLineColumnAndPath) {
    const struct {
        const char* json;
        QStringList problems;
    } cases[] = {
        {"", {"1:1: the text ends too early"}},
        {"{\n  \"elements\": [}", {"2:16: unexpected }"}},
        {"{\"list\": [\"a\",]}", {"1:15: unexpected ]"}},
        {"{\"list\": [\"a\" \"b\"]}", {"1:15: expected , or ]"}},
        {"{\"list\": [\"\xc3\xa9\x01\"]}",
         {"1:13: a control character in a string must be escaped"}},
        {"{\"list\": [\"\\q\"]}", {"1:12: unknown escape \\q"}},
        {"{\"list\": [\"\xff\"]}", {"1:12: the text is not valid UTF-8"}},
        {"{} {}", {"1:4: more text after the JSON value"}},
        {"{\"messages\": [{\"deep\": [[1, -2.5e3, true, null]]}], \"file\": 3}", {}},
        {"[]", {"1:1: expected an object, found an array"}},
        {"{\"colours\": 1, \"list\": [1], \"list\": []}",
         {"1:2: colours: unknown key", "1:25: list[0]: expected a string, found a number",
          "1:29: list: the key is given twice"}},
        {"{\"elements\": [{\"field_name\": \"MAP_WATER_CLR\", \"presentation\": \"GUIDANCE\",\n"
         "  \"primary_day\": \"#12\", \"primary_night\": \"#0000ff\", \"scale\": \"1 \",\n"
         "  \"sort_code\": 1.5, \"display_name\": null, \"width\": 2}, {\"presentation\": \"X\"},\n"
         "  {\"field_name\": \"map_water_clr\", \"presentation\": \"GUIDANCE\"}],\n"
         " \"metadata\": {\"title\": \"A/B\"}}",
         {"2:18: elements[0].primary_day: \"#12\" is not a colour (six hexadecimal digits, such "
          "as FF8000)",
          "2:62: elements[0].scale: \"1 \" would read back as \"1\"",
          "3:16: elements[0].sort_code: 1.5 is not a whole number",
          "3:37: elements[0].display_name: expected a string, found null",
          "3:43: elements[0].width: unknown key", "3:56: elements[1]: field_name is missing",
          "4:18: elements[2].field_name: \"map_water_clr\" would read back as \"MAP_WATER_CLR\"",
          "5:24: metadata.title: \"A/B\" would read back as \"AB\""}},
        {"{\"elements\": [{\"field_name\": \"MAP_WATER_CLR\", \"presentation\": \"GUIDANCE\",\n"
         "  \"primary_night\": \"#0000ff\",\n"
         "  \"border\": \"0\", \"secondary_day\": \"\", \"secondary_night\": \"000000\"}],\n"
         " \"metadata\": {\"title\": \"T\"}}",
         {"3:13: elements[0].border: a border of 0 is left out of the file, and the line would "
          "read back as an area",
          "3:58: elements[0].secondary_night: \"000000\" would be left out of the file: a night "
          "colour is written only with its day colour"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(problem_texts(c.json).join(QLatin1Char('\n')).toStdString(),
                  c.problems.join(QLatin1Char('\n')).toStdString())
            << c.json;
    }
}

TEST(ThemeFromJson, MissingKeysTakeTheEditorsDefaults) {
    const ThemeFromJson built = theme_from_json(
        R"({"elements": [{"field_name": "MAP_ROAD_DIM_CLR", "presentation": "BROWSE"},
                         {"field_name": "MAP_WATER_CLR", "presentation": "BROWSE"},
                         {"field_name": "MY_PATH", "presentation": " TRAFFIC", "border": "2"}],
            "metadata": {"title": "T"}})");
    ASSERT_TRUE(built.problems.empty());
    const Theme& theme = built.theme;
    ASSERT_EQ(theme.element_count(), 3);
    Element line = new_line(QStringLiteral("ROAD_DIM"), QStringLiteral("BROWSE"), 1);
    EXPECT_EQ(theme.elements[0], line);
    EXPECT_EQ(theme.elements[1], new_polygon(QStringLiteral("WATER"), QStringLiteral("BROWSE"), 1));
    // Another name is a line when it has a border; the rest is a new line's.
    line = new_line(QStringLiteral("MY_PATH"), QStringLiteral(" TRAFFIC"), 2);
    line.field_name = QStringLiteral("MY_PATH");
    line.border = QStringLiteral("2");
    EXPECT_EQ(theme.elements[2], line);
    EXPECT_EQ(theme.metadata, (Metadata{QStringLiteral("T"), {}, {}, {}}));
    EXPECT_EQ(theme.project_presentations, (QStringList{"BROWSE", "TRAFFIC"}));
    EXPECT_EQ(theme.listed_presentations, theme.project_presentations);
}

// A text comes out the same however the JSON spells it: plain, escaped or beyond ASCII; a colour
// with or without "#".
TEST(ThemeFromJson, TextsReadAlikeHoweverSpelled) {
    const struct {
        const char* display_name;  // as the JSON gives it
        const char* primary_day;
        QString display_read;
        QString day_read;
    } cases[] = {
        {R"(ROAD)", R"(#a0B0c0)", QStringLiteral("ROAD"), QStringLiteral("a0B0c0")},
        {R"(R\\O\"AD\/)", R"(\u0023A0B0C0)", QStringLiteral("R\\O\"AD/"), QStringLiteral("A0B0C0")},
        {"ROUTE \xC3\xA9", R"(A0B0C\u0030)", QStringLiteral("ROUTE \u00e9"),
         QStringLiteral("A0B0C0")},
        {R"(ROUTE \u00e9t\u00C9)", R"(#A0B0C0)", QStringLiteral("ROUTE \u00e9t\u00c9"),
         QStringLiteral("A0B0C0")},
        {"", "", QString(), QString()},
    };
    for (const auto& c : cases) {
        const QByteArray json = QByteArrayLiteral(R"({"elements": [{"field_name": "MAP_WATER_CLR",
                 "presentation": "BROWSE", "display_name": ")") +
                                c.display_name + R"(", "primary_day": ")" + c.primary_day +
                                R"("}]})";
        const ThemeFromJson built = theme_from_json(json);
        ASSERT_EQ(built.theme.element_count(), 1) << json.toStdString();
        EXPECT_EQ(built.theme.elements[0].display_name, c.display_read) << json.toStdString();
        EXPECT_EQ(built.theme.elements[0].primary_day, c.day_read) << json.toStdString();
    }
}

// Every theme under tests/data, dumped and built again, gives the bytes resave writes, except
// those holding values the file cannot give back or the editor would not take as typed: those
// are refused, at the first value named here.
TEST(ThemeFromJson, DumpThenBuildWritesWhatResaveWrites) {
    const QHash<QString, QString> refused{
        {"check/bad_colour.kmtf", "elements[0].primary_day: \"ZZ0000\" is not a colour"},
        {"check/compact_lines.kmtf", "elements[1].primary_day: \"12345G\" is not a colour"},
        {"check/empty_day_colour.kmtf", "elements[0].primary_night: \"204020\" would be left out"},
        {"check/not_a_number.kmtf", "elements[0].border: \"X\" is not a number"},
        {"check/zero_border.kmtf", "elements[0].border: a border of 0 is left out"},
        {"edit/night_without_day.kmtf", "elements[1].primary_night: \"404040\" would be left"},
        {"fuzz_findings/border_of_line_ends_only.kmtf", "elements[0].field_name: a style needs"},
        {"fuzz_findings/id_word_in_name.kmtf", "elements[0].border: a border of 0 is left out"},
        {"fuzz_findings/spaces_around_equals_in_name.kmtf", "elements[0].primary_day: \"AR\""},
        {"main_window/sample_theme.kmtf", "elements[10].border: a border of 0 is left out"},
        {"read/colour_values.kmtf", "elements[0].primary_day: \"FF\" is not a colour"},
        {"read/missing_colours.kmtf", "elements[1].primary_night: \"00FF00\" would be left out"},
        {"resave/border_conditions.kmtf", "elements[0].border: a border of 0 is left out"},
    };
    const QString root = QStringLiteral(QUORVANE_TEST_DATA "/");
    QDirIterator files(root, {QStringLiteral("*.kmtf")}, QDir::Files, QDirIterator::Subdirectories);
    int built_alike = 0;
    while (files.hasNext()) {
        const QString path = files.next();
        const QString name = path.mid(root.size());
        SCOPED_TRACE(name.toStdString());
        MessageList messages;
        Theme read;
        if (!read_theme_file(path, read, messages)) {
            continue;  // no theme at all: resave refuses it too
        }
        QByteArray json;
        write_theme_json(read, path, messages.texts(),
                         [&](const QByteArray& piece) { json += piece; });
        const ThemeFromJson built = theme_from_json(json);
        if (refused.contains(name)) {
            ASSERT_FALSE(built.problems.empty());
            EXPECT_TRUE(built.problems[0].text().contains(refused[name]))
                << built.problems[0].text().toStdString();
            continue;
        }
        ASSERT_TRUE(built.problems.empty()) << built.problems[0].text().toStdString();
        MessageList resave_messages;
        MessageList build_messages;
        const QString meta = metadata_block_text(read.metadata);
        EXPECT_EQ(theme_text(built.theme, meta, build_messages),
                  theme_text(read, meta, resave_messages));
        EXPECT_EQ(build_messages.texts(), resave_messages.texts());
        EXPECT_EQ(built.theme.metadata, read.metadata);
        ++built_alike;
    }
    EXPECT_GT(built_alike, 30);
}

}  // namespace
}  // namespace quorvane
