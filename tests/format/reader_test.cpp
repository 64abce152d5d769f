// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>

#include <QDirIterator>
#include <QTemporaryDir>

#include "format/reader.h"
#include "format/theme_lines.h"
#include "support/printers.h"
#include "text/ascii_text.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

TEST(NormaliseEquals, RunsOfSpacesShrinkInSteps) {
    // n spaces become n-1, then n-3 when two were left, then n-6 when three were left.
    const std::pair<int, int> runs[] = {{1, 0}, {2, 1}, {3, 0}, {4, 1}, {5, 2}, {6, 0}, {7, 1}};
    for (auto [before, after] : runs) {
        const QByteArray spaces(before, ' ');
        EXPECT_EQ(normalise_equals("a" + spaces + "=b"), "a" + QByteArray(after, ' ') + "=b")
            << before << " spaces before";
        EXPECT_EQ(normalise_equals("a=" + spaces + "b"), "a=" + QByteArray(after, ' ') + "b")
            << before << " spaces after";
    }
}

// The one-pass squeezes give what the global replacements give when done one after another.
TEST(NormaliseEquals, OnePassEqualsTheReplacementsInTurn) {
    const auto in_turn = [](QByteArray text,
                            std::initializer_list<std::pair<const char*, const char*>> steps) {
        for (const auto& [before, after] : steps) {
            text = replace_all(text, before, after);
        }
        return text;
    };
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        QByteArray text;
        const int length = int(random() % 40);
        for (int k = 0; k < length; ++k) {
            text += " = = >a"[random() % 7];
        }
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(normalise_equals(text), in_turn(text, {{" =", "="},
                                                         {"  =", "="},
                                                         {"   =", "="},
                                                         {"= ", "="},
                                                         {"=  ", "="},
                                                         {"=   ", "="}}));
        EXPECT_EQ(squeeze_block_spaces(text),
                  in_turn(text, {{"  ", " "}, {"> ", ">"}, {">  ", ">"}}));
    }
}

TEST(GetType, FindsTheFieldValueInAnyTag) {
    MessageList messages;
    EXPECT_EQ(style_field_name(" FIELD=\"A\">", messages), "A");
    EXPECT_EQ(style_field_name(" SCALE=\"2\" FIELD=\"MAP_X_CLR\">", messages), "MAP_X_CLR");
    EXPECT_EQ(style_field_name(" NAME=\"B\" OTHER=\"C\">", messages), "B");
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST(GetType, ReportsMissingValues) {
    MessageList messages;
    EXPECT_EQ(style_field_name(" FIELD=A>", messages), "");
    EXPECT_EQ(style_field_name(" FIELD=\"AB>", messages), "AB");
    EXPECT_EQ(style_field_name(" FIELD=\"A\"", messages), "");
    EXPECT_EQ(messages.texts(), QStringList(3, QStringLiteral("Can't find type!")));
}

TEST(GetBlock, CutsBeforeTheFirstBracket) {
    EXPECT_EQ(text_before_tag_end("PRIMARY DAY=#1/>rest>"), "PRIMARY DAY=#1/");
    EXPECT_EQ(text_before_tag_end("no bracket"), "");
}

TEST(Parse, EmptyTextLeavesTheThemeAsItWas) {
    Theme theme;
    theme.elements.resize(1);
    theme.metadata.title = QStringLiteral("kept");
    MessageList messages;
    parse_theme_text(theme, "", messages);
    EXPECT_EQ(theme.element_count(), 1);
    EXPECT_EQ(theme.metadata.title, "kept");
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST(Parse, FileWithoutStylesEmptiesTheTheme) {
    Theme theme;
    theme.elements.resize(3);
    MessageList messages;
    parse_theme_text(theme, "<METADATA></METADATA><PRESENTATION ID=\"BROWSE\">\r\n</PRESENTATION>",
                     messages);
    EXPECT_EQ(theme.element_count(), 0);
    EXPECT_EQ(theme.project_presentations, QStringList{"BROWSE\r"});
    EXPECT_EQ(messages.texts(), QStringList{"No polygons or lines found"});
}

TEST(Parse, ReadsEveryStyleAndPresentationWithoutCapacityLimits) {
    QByteArray text = "<METADATA></METADATA>\r\n";
    for (int p = 0; p < 14; ++p) {
        text += "<PRESENTATION ID=\"BROWSE\">\r\n<STYLELIST>\r\n";
        for (int s = 0; s < 100; ++s) {
            text += "<STYLE field=\"MAP_X" + QByteArray::number(s) +
                    "_CLR\">\r\n<PRIMARY day=\"#010203\"/>\r\n</STYLE>\r\n";
        }
        text += "</STYLELIST>\r\n</PRESENTATION>\r\n";
    }
    Theme theme;
    MessageList messages;
    parse_theme_text(theme, text, messages);
    EXPECT_EQ(theme.element_count(), 1400);
    EXPECT_EQ(theme.presentation_count(), 14);
    EXPECT_EQ(theme.elements.back().field_name, "MAP_X99_CLR");
    EXPECT_EQ(theme.elements.back().primary_day, "010203");
}

TEST(Parse, UnreadPresentationSlotsKeepTheirNames) {
    // An empty block counts as a presentation but fills no slot.
    Theme theme;
    theme.project_presentations = {QStringLiteral("OLD0"), QStringLiteral("OLD1")};
    MessageList messages;
    parse_theme_text(theme, "<METADATA></METADATA><PRESENTATION ID=\"BROWSE\"><PRESENTATION",
                     messages);
    EXPECT_EQ(theme.project_presentations, (QStringList{"BROWSE", "OLD1"}));
}

TEST(ReadThemeFile, ShowsARepeatedMessageOnce) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.kmtf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "<METADATA></METADATA><PRESENTATION ID=\"MINE\">\r\n"
        "<STYLE field=\"MAP_A_CLR\"></STYLE><STYLE field=\"MAP_B_CLR\"></STYLE>");
    file.close();
    Theme theme;
    MessageList messages;
    ASSERT_TRUE(read_theme_file(path, theme, messages));
    EXPECT_EQ(theme.element_count(), 2);
    EXPECT_EQ(messages.texts(), (QStringList{" MINE", "A style has no PRIMARY colour"}));
}

TEST(ReadThemeFile, MissingFileChangesNothing) {
    Theme theme;
    MessageList messages;
    EXPECT_FALSE(read_theme_file(QStringLiteral("/nonexistent/x.kmtf"), theme, messages));
    EXPECT_EQ(theme, Theme{});
    EXPECT_TRUE(messages.texts().isEmpty());
}

// Any one of the three words makes a theme, with whatever problems it has; without them the
// text is refused with one message and the theme stays as it was.
TEST(ReadThemeText, ATextWithoutMetadataPresentationOrStyleIsNoTheme) {
    const struct {
        QByteArray text;
        bool theme;
    } cases[] = {
        {"", true},  // an empty file is an empty theme
        {"<metadata><title>T</title></metadata>", true},
        {"<Presentation ID=\"BROWSE\">", true},
        {"<style field=\"MAP_A_CLR\">", true},
        {"Dear reader,\r\nthis is a letter.", false},
        {QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), false},
        {"<html><body>METADAT PRESENTATIO STYL</body></html>", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        Theme theme;
        theme.metadata.title = QStringLiteral("kept");
        MessageList messages;
        EXPECT_EQ(looks_like_theme(c.text), c.theme && !c.text.isEmpty());
        EXPECT_EQ(read_theme_text(c.text, QStringLiteral("/t/x.kmtf"), theme, messages), c.theme);
        if (!c.theme) {
            EXPECT_EQ(theme.metadata.title, "kept");
            EXPECT_EQ(messages.texts(), QStringList{"/t/x.kmtf is not a map theme"});
        }
    }
}

}  // namespace
}  // namespace quorvane

namespace quorvane {
namespace {

// The same rules on longer texts, where runs of spaces and tags fall across the sixteen-byte
// steps the block spacing is worked out in, and long stretches have no run to work on.
TEST(NormaliseEquals, LongTextsAsTheReplacementsInTurn) {
    const auto in_turn = [](QByteArray text,
                            std::initializer_list<std::pair<const char*, const char*>> steps) {
        for (const auto& [before, after] : steps) {
            text = replace_all(text, before, after);
        }
        return text;
    };
    std::mt19937 random(17);
    for (int round = 0; round < 2000; ++round) {
        QByteArray text;
        const int length = int(random() % 300);
        while (text.size() < length) {
            const auto piece = random() % 8;
            text += piece < 3   ? QByteArray(int(random() % 7), ' ')
                    : piece < 6 ? QByteArray("ab>cd=ef<g\r\nhijklmnopq").left(int(random() % 20))
                                : QByteArray(piece == 6 ? "=" : ">");
        }
        SCOPED_TRACE(text.toStdString());
        ASSERT_EQ(normalise_equals(text), in_turn(text, {{" =", "="},
                                                         {"  =", "="},
                                                         {"   =", "="},
                                                         {"= ", "="},
                                                         {"=  ", "="},
                                                         {"=   ", "="}}));
        ASSERT_EQ(squeeze_block_spaces(text),
                  in_turn(text, {{"  ", " "}, {"> ", ">"}, {">  ", ">"}}));
    }
}

// Reading a text the reader takes over gives what reading a view of it gives, with the lines
// find_theme_lines finds: every test theme, also with its spacing and letter case changed.
TEST(ParseThemeBytes, ReadsAsTheViewIsReadAndFindsTheLines) {
    QStringList files;
    for (const char* folder : {QUORVANE_TEST_DATA, QUORVANE_EXAMPLES}) {
        QDirIterator it(QLatin1String(folder), {QStringLiteral("*.kmtf")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            files.append(it.next());
        }
    }
    ASSERT_FALSE(files.isEmpty());
    for (const QString& path : files) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        for (const QByteArray& variant :
             {text, QByteArray(text).replace(" ", "   "), QByteArray(text).replace("=", " = "),
              QByteArray(text).toLower()}) {
            SCOPED_TRACE(path.toStdString());
            Theme from_view;
            MessageList said_for_view;
            parse_theme_text(from_view, variant, said_for_view);
            Theme taken_over;
            MessageList said;
            ThemeLines lines;
            parse_theme_bytes(taken_over, variant, said, &lines);
            EXPECT_EQ(taken_over, from_view);
            EXPECT_EQ(said.texts(), said_for_view.texts());
            const ThemeLines found = find_theme_lines(variant);
            EXPECT_EQ(lines.metadata, found.metadata);
            EXPECT_EQ(lines.styles, found.styles);
        }
    }
}

}  // namespace
}  // namespace quorvane

namespace quorvane {
namespace {

// Where the reader finds a style's words and colours, in the odd places the tolerant rules allow:
// quotes inside a word or a value, words in any order or inside other values, values cut at six
// characters, at "/" or at a space, colours without "#". Each row: a style of a BROWSE block, and
// field name | label | scale | border | primary day | night | secondary day | night.
TEST(ParseStyle, FindsWordsAndColoursWhereverTheRulesAllow) {
    const std::pair<const char*, const char*> cases[] = {
        {R"(<STYLE field="A" scale="2" border="1"><PRIMARY day="#1"2"3456" night="#AB"CDEF/>)",
         "A|A |2|1|123456|ABCDEF||"},
        {R"(<STYLE field="A"><PRIMARY D"AY="#123456" N"IGHT = "#654321"/>)",
         "A|A|||123456|654321||"},
        {R"(<STYLE field="A"><PRIMARY NIGHT="#111111" DAY="#222222"/>)", "A|A|||222222|111111||"},
        {R"(<STYLE field="A"><PRIMARY DAY=12g456 NIGHT="12 34"/>)", "A|A|||12|12||"},
        {"<STYLE field=\"A\" border=\"1\"><PRIMARY DAY=\"#1234567\" NIGHT=\"#12/3\"/>"
         "<SECONDARY DAY=\t\"#a b\" NIGHT=\"\"/>",
         "A|A BORDER=1||1|123456|12|A|"},
        {R"(<STYLE field="A"><PRIMARY DAY DAY="#1"/><PRIMARY DAY="#2"/>)", "A|A|||DA|||"},
        {R"(<STYLE field="A"><PRIMARY DAY="#"""1""2"/>)", "A|A|||12|||"},
        {R"(<STYLE field="MAP_B_BORDER_CLR" scale="3"><SECONDARY DAY="#1"/><PRIMARY DAY="#2"/>)",
         "MAP_B_BORDER_CLR|B BORDER |3|CLR|2||1|"},
        {R"(<STYLE scale="1" field="MAP_C_CLR" border="2" field="X"><PRIMARY DAY="#3"/>)",
         "MAP_C_CLR|C BORDER=2 X|1|2|3|||"},
        {R"(<STYLE field="A"><PRIMARY DAY="#4"/> SCALE="9" BORDER="8"</STYLE>)",
         "A|A|9|8</STYLE|4|||"},
    };
    for (const auto& [style, expected] : cases) {
        Theme theme;
        MessageList messages;
        parse_theme_text(theme,
                         QByteArray("<METADATA></METADATA><PRESENTATION ID=\"BROWSE\">\r\n") +
                             style + "</STYLE>",
                         messages);
        ASSERT_EQ(theme.element_count(), 1) << style;
        const Element& e = theme.elements[0];
        EXPECT_EQ(QStringList({e.field_name, e.display_name, e.scale, e.border, e.primary_day,
                               e.primary_night, e.secondary_day, e.secondary_night})
                      .join(QLatin1Char('|')),
                  QLatin1String(expected))
            << style;
    }
}

}  // namespace
}  // namespace quorvane
