// SPDX-License-Identifier: GPL-3.0-or-later
// Deleting Elements and pasting styles through the document: one step each, undone exactly.
#include <gtest/gtest.h>

#include <QSet>

#include "model/presentation_list.h"
#include "model/theme_document.h"
#include "support/printers.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

Element polygon(const QString& name, int rank) {
    Element e;
    e.sort_code = rank * 10;
    e.field_name = QStringLiteral("MAP_%1_CLR").arg(name);
    e.display_name = name;
    e.presentation = QStringLiteral(" %1 ").arg(rank == 0 ? "GUIDANCE" : "BROWSE");
    e.primary_day = QStringLiteral("0000FF");
    e.primary_night = QStringLiteral("000080");
    return e;
}

Element line(const QString& name, int rank) {
    Element e = polygon(name, rank);
    e.sort_code += 1;
    e.scale = QStringLiteral("2");
    e.border = QStringLiteral(".6");
    e.secondary_day = QStringLiteral("0a0a0a");
    e.secondary_night = QStringLiteral("DD0011");
    return e;
}

// GUIDANCE: WATER, WOODS, ROAD, RAIL; BROWSE: LAKE, TRACK. The table lists BROWSE first, as a
// file may, so a relisting would show.
Theme sample_theme() {
    Theme theme;
    theme.elements = {polygon("WATER", 0), polygon("WOODS", 0), line("ROAD", 0),
                      line("RAIL", 0),     polygon("LAKE", 1),  line("TRACK", 1)};
    theme.project_presentations = {"BROWSE", "GUIDANCE"};
    theme.listed_presentations = {" BROWSE ", " GUIDANCE "};
    theme.metadata.title = QStringLiteral("Sample");
    return theme;
}

QStringList names_of(const Theme& theme) {
    QStringList names;
    for (const Element& e : theme.elements) {
        names << e.display_name;
    }
    return names;
}

struct DeleteCase {
    const char* what;
    std::vector<int> numbers;
    int deleted;
    QStringList left;
    QStringList listed;  // the presentation list afterwards
    QString step;
};

TEST(DeleteElements, RemovesTheNumberedElementsAsOneStepThatUndoesExactly) {
    const DeleteCase cases[] = {
        {"mixed kinds, one presentation keeps elements",
         {1, 3},
         2,
         {"WATER", "ROAD", "LAKE", "TRACK"},
         {" BROWSE ", " GUIDANCE "},
         "Delete 2 Elements"},
        {"any order, repeats and numbers out of range",
         {5, 0, 5, -1, 6},
         2,
         {"WOODS", "ROAD", "RAIL", "LAKE"},
         {" BROWSE ", " GUIDANCE "},
         "Delete 2 Elements"},
        {"the last elements of a presentation",
         {4, 5, 2},
         3,
         {"WATER", "WOODS", "RAIL"},
         {"GUIDANCE"},
         "Delete 3 Elements"},
        {"one element",
         {3},
         1,
         {"WATER", "WOODS", "ROAD", "LAKE", "TRACK"},
         {" BROWSE ", " GUIDANCE "},
         "Delete 1 Element"},
        {"every element", {0, 1, 2, 3, 4, 5}, 6, {}, {}, "Delete 6 Elements"},
    };
    for (const DeleteCase& c : cases) {
        SCOPED_TRACE(c.what);
        ThemeDocument document;
        document.replace(sample_theme(), QStringLiteral("a.kmtf"), true);
        const Theme before = document.theme();

        EXPECT_EQ(document.delete_elements(c.numbers), c.deleted);
        EXPECT_EQ(names_of(document.theme()), c.left);
        EXPECT_EQ(document.theme().listed_presentations, c.listed);
        EXPECT_EQ(document.theme().project_presentations.size(), c.listed.size());
        EXPECT_EQ(document.history().count(), 1);
        EXPECT_EQ(document.history().undoText(), c.step);
        EXPECT_TRUE(document.is_modified());
        const Theme after = document.theme();

        document.history().undo();
        EXPECT_EQ(document.theme(), before);
        document.history().redo();
        EXPECT_EQ(document.theme(), after);
        document.history().undo();
        EXPECT_EQ(document.theme(), before);
        EXPECT_FALSE(document.is_modified());
    }
}

TEST(DeleteElements, NothingToDeleteMakesNoStep) {
    ThemeDocument document;
    document.replace(sample_theme(), QStringLiteral("a.kmtf"), true);
    EXPECT_EQ(document.delete_elements({}), 0);
    EXPECT_EQ(document.delete_elements({-1, 6}), 0);
    EXPECT_EQ(document.history().count(), 0);
}

QList<quint64> identities(const Theme& theme) {
    QList<quint64> ids;
    for (const Element& e : theme.elements) {
        ids << e.identity.value;
    }
    return ids;
}

TEST(ElementIdentity, EveryElementHasItsOwnAndKeepsItThroughTheSteps) {
    ThemeDocument document;
    MessageList messages;
    document.replace(sample_theme(), QStringLiteral("a.kmtf"), true);
    const QList<quint64> opened = identities(document.theme());
    EXPECT_FALSE(opened.contains(0));
    EXPECT_EQ(QSet<quint64>(opened.begin(), opened.end()).size(), opened.size());

    // Copies get identities of their own; the originals keep theirs.
    messages.add(document.add_presentations({QStringLiteral("TRAFFIC")}));
    const QList<quint64> added = identities(document.theme());
    EXPECT_EQ(added.mid(0, 6), opened);
    EXPECT_EQ(QSet<quint64>(added.begin(), added.end()).size(), 12);
    EXPECT_FALSE(added.contains(0));

    // Deleted Elements come back with their identities.
    document.delete_elements({0, 7, 11});
    EXPECT_EQ(identities(document.theme()),
              (QList<quint64>{added[1], added[2], added[3], added[4], added[5], added[6], added[8],
                              added[9], added[10]}));
    document.history().undo();
    EXPECT_EQ(identities(document.theme()), added);
    document.history().undo();
    EXPECT_EQ(identities(document.theme()), opened);

    // Identity is no part of the content.
    Element copy = document.theme().elements[0];
    copy.identity.value = 999;
    EXPECT_EQ(copy, document.theme().elements[0]);
}

TEST(PasteStyle, LinesOntoLinesAndPolygonsTakeOnlyTheirColours) {
    ThemeDocument document;
    Theme theme = sample_theme();
    theme.elements[1].scale = QStringLiteral("3");  // a polygon with a scale keeps it
    document.replace(theme, QStringLiteral("a.kmtf"), true);
    const Theme before = document.theme();

    Element line_source = line("SOURCE", 0);
    line_source.scale = QStringLiteral("5");
    line_source.border = QStringLiteral("1.5");
    line_source.primary_day = QStringLiteral("112233");
    const CopiedStyle line_style = CopiedStyle::of(line_source);
    // Everything selected: the four lines change, the three polygons are skipped.
    EXPECT_EQ(document.paste_style({0, 1, 2, 3, 4, 5}, line_style), (PasteCounts{3, 3}));
    EXPECT_EQ(document.history().undoText(), QStringLiteral("Paste Style onto 3 Elements"));
    for (int k : {2, 3, 5}) {
        EXPECT_EQ(ElementStyle::of(document.theme().elements[k]), line_style.style);
    }
    for (int k : {0, 1, 4}) {
        EXPECT_EQ(document.theme().elements[k], before.elements[k]);
    }

    Element polygon_source = polygon("SOURCE", 1);
    polygon_source.primary_day = QStringLiteral("ABCDEF");
    polygon_source.secondary_night = QStringLiteral("010203");
    const CopiedStyle polygon_style = CopiedStyle::of(polygon_source);
    EXPECT_EQ(document.paste_style({1, 2, 4}, polygon_style), (PasteCounts{2, 1}));
    const Element& woods = document.theme().elements[1];
    EXPECT_EQ(StyleColours::of(woods), polygon_style.style.colours);
    EXPECT_EQ(woods.scale, QStringLiteral("3"));
    EXPECT_TRUE(woods.border.isEmpty());
    EXPECT_TRUE(woods.is_polygon());
    EXPECT_EQ(document.history().count(), 2);

    // Pasting what the Elements have already makes no step, but still counts the skipped ones.
    EXPECT_EQ(document.paste_style({1, 2, 4}, polygon_style), (PasteCounts{0, 1}));
    EXPECT_EQ(document.history().count(), 2);

    document.history().undo();
    document.history().undo();
    EXPECT_EQ(document.theme(), before);
}

}  // namespace
}  // namespace quorvane
