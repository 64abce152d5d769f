// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <random>

#include "format/reader.h"
#include "format/writer.h"
#include "model/element_additions.h"
#include "model/presentation_list.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

Element tagged(int sort_code, const QString& tag) {
    Element e;
    e.sort_code = sort_code;
    e.field_name = tag;
    e.border = sort_code % 10 == 1 ? QStringLiteral("1") : QString();
    return e;
}

QStringList field_names(const Theme& theme) {
    QStringList names;
    for (const Element& e : theme.elements) {
        names.append(e.field_name);
    }
    return names;
}

QList<int> codes(const Theme& theme) {
    QList<int> result;
    for (const Element& e : theme.elements) {
        result.append(e.sort_code);
    }
    return result;
}

// The adjacent-swap sort the table was always kept in order with: swaps only on a strictly
// smaller code, passes until one makes no swap.
void bubble_sort(std::vector<Element>& elements) {
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (size_t k = 0; k + 1 < elements.size(); ++k) {
            if (elements[k + 1].sort_code < elements[k].sort_code) {
                std::swap(elements[k], elements[k + 1]);
                swapped = true;
            }
        }
    }
}

TEST(AddElement, NewPolygonAndLineGetTheDefaultStyleWithItsLetterCase) {
    Theme theme;
    const ElementPick picked{1, "BROWSE", {"MISC_WATER_AREA"}, {"ROAD_HWY_MJR"}};
    add_picked_elements(theme, picked);

    ASSERT_EQ(theme.element_count(), 2);
    const Element& polygon = theme.elements[0];
    EXPECT_EQ(polygon.sort_code, 10);
    EXPECT_EQ(polygon.field_name, "MAP_MISC_WATER_AREA_CLR");
    EXPECT_EQ(polygon.display_name, "MISC WATER AREA");
    EXPECT_EQ(polygon.presentation, "BROWSE");
    EXPECT_EQ(polygon.scale, "");
    EXPECT_EQ(polygon.border, "");
    EXPECT_EQ(polygon.primary_day, "CECECE");
    EXPECT_EQ(polygon.primary_night, "FFE0C0");
    EXPECT_EQ(polygon.secondary_day, "");
    EXPECT_EQ(polygon.secondary_night, "");
    EXPECT_TRUE(polygon.style_text.isEmpty());
    EXPECT_TRUE(polygon.is_polygon());

    const Element& line = theme.elements[1];
    EXPECT_EQ(line.sort_code, 11);
    EXPECT_EQ(line.field_name, "MAP_ROAD_HWY_MJR_CLR");
    EXPECT_EQ(line.display_name, "ROAD HWY MJR");
    EXPECT_EQ(line.scale, "1");
    EXPECT_EQ(line.border, ".6");
    EXPECT_EQ(line.primary_day, "CECECE");
    EXPECT_EQ(line.primary_night, "aaFF00");
    EXPECT_EQ(line.secondary_day, "0a0a0a");
    EXPECT_EQ(line.secondary_night, "DD0011");
    EXPECT_TRUE(line.style_text.isEmpty());
}

TEST(AddElement, DisplayNameLosesEveryClrAndUnderscore) {
    EXPECT_EQ(element_display_name("CLRWAY_X_CLR_CLRCLR"), "WAY X  ");
    EXPECT_EQ(element_display_name("ROAD_CLRIDOR"), "ROAD IDOR");
    EXPECT_EQ(element_display_name("clr_CL_R"), "clr CL R");

    Theme theme;
    const ElementPick picked{0, "GUIDANCE", {"MY_CLR_AREA"}, {}};
    add_picked_elements(theme, picked);
    EXPECT_EQ(theme.elements.at(0).field_name, "MAP_MY_CLR_AREA_CLR");
    EXPECT_EQ(theme.elements.at(0).display_name, "MY  AREA");
}

TEST(AddElement, NothingPickedAddsNothing) {
    Theme theme;
    theme.elements.push_back(tagged(21, "A"));
    theme.elements.push_back(tagged(1, "B"));  // out of order, and must stay so
    const ElementPick cancelled;
    add_picked_elements(theme, cancelled);
    EXPECT_EQ(field_names(theme), (QStringList{"A", "B"}));

    const ElementPick no_target{0, "", {"WATER"}, {}};
    add_picked_elements(theme, no_target);
    EXPECT_EQ(theme.element_count(), 2);
}

TEST(AddElement, PolygonsPrecedeLinesAndNewFollowExistingOfTheSameCode) {
    Theme theme;
    theme.elements = {tagged(0, "old polygon"), tagged(1, "old line"), tagged(10, "browse")};
    const ElementPick picked{0, "GUIDANCE", {"WATER", "WOODS"}, {"TRK"}};
    add_picked_elements(theme, picked);
    EXPECT_EQ(field_names(theme), (QStringList{"old polygon", "MAP_WATER_CLR", "MAP_WOODS_CLR",
                                               "old line", "MAP_TRK_CLR", "browse"}));
}

TEST(AddElement, LowerRankMovesInFront) {
    Theme theme;
    theme.elements = {tagged(30, "turn polygon"), tagged(31, "turn line")};
    const ElementPick picked{1, "BROWSE", {}, {"CNTR_MJR"}};
    add_picked_elements(theme, picked);
    EXPECT_EQ(field_names(theme), (QStringList{"MAP_CNTR_MJR_CLR", "turn polygon", "turn line"}));
}

TEST(AddElement, ReordersAWholeFileListedOutOfRankOrder) {
    Theme theme;
    MessageList messages;
    parse_theme_text(theme,
                     "<METADATA><TITLE>T</TITLE></METADATA>"
                     "<PRESENTATION ID=\"TRAFFIC\"><STYLELIST>"
                     "<STYLE field=\"MAP_T1_CLR\" border=\"1\"></STYLE>"
                     "<STYLE field=\"MAP_T2_CLR\"></STYLE></STYLELIST></PRESENTATION>"
                     "<PRESENTATION ID=\"GUIDANCE\"><STYLELIST>"
                     "<STYLE field=\"MAP_G1_CLR\" border=\"1\"></STYLE>"
                     "<STYLE field=\"MAP_G2_CLR\" border=\"1\"></STYLE>"
                     "<STYLE field=\"MAP_G3_CLR\"></STYLE></STYLELIST></PRESENTATION>",
                     messages);
    ASSERT_EQ(codes(theme), (QList<int>{21, 20, 1, 1, 0}));

    const ElementPick picked{5, "PEDESTRIAN", {"BEACH"}, {}};
    add_picked_elements(theme, picked);
    EXPECT_EQ(field_names(theme), (QStringList{"MAP_G3_CLR", "MAP_G1_CLR", "MAP_G2_CLR",
                                               "MAP_T2_CLR", "MAP_T1_CLR", "MAP_BEACH_CLR"}));
    relist_presentations(theme);
    EXPECT_EQ(theme.listed_presentations, (QStringList{"GUIDANCE", "TRAFFIC", "PEDESTRIAN"}));
}

TEST(AddElement, SortGivesTheSameOrderAsTheAdjacentSwapSort) {
    std::mt19937 random(4);
    for (int round = 0; round < 200; ++round) {
        std::vector<Element> table;
        const int size = int(random() % 40);
        for (int k = 0; k < size; ++k) {
            const int code = int(random() % 6) * 10 + int(random() % 2);
            table.push_back(tagged(code, QString::number(k)));
        }
        std::vector<Element> expected = table;
        bubble_sort(expected);
        sort_elements(table);
        ASSERT_EQ(table, expected) << "round " << round;
    }
}

TEST(AddElement, AnEmptyPieceDoesNotLoseTheNamesAfterIt) {
    Theme theme;
    const ElementPick picked{0, "GUIDANCE", {"WATER", "", "WOODS"}, {}};
    add_picked_elements(theme, picked);
    EXPECT_EQ(field_names(theme), (QStringList{"MAP_WATER_CLR", "MAP_WOODS_CLR"}));
}

TEST(AddElement, HasElementMatchesTheExactFeatureInThatPresentationOnly) {
    Theme theme;
    const ElementPick picked{0, "GUIDANCE", {"MISC_WATER_AREA"}, {"TRK_SAVED"}};
    add_picked_elements(theme, picked);
    EXPECT_TRUE(has_element(theme, "MISC_WATER_AREA", 0));
    EXPECT_TRUE(has_element(theme, "TRK_SAVED", 0));
    EXPECT_FALSE(has_element(theme, "WATER", 0));
    EXPECT_FALSE(has_element(theme, "TRK", 0));
    EXPECT_FALSE(has_element(theme, "MISC_WATER_AREA", 5));
    EXPECT_FALSE(has_element(Theme{}, "WATER", 0));
}

TEST(AddElement, SavedThemeReadsBackWithTheSameElements) {
    Theme theme;
    theme.metadata.title = "Added";
    const ElementPick first{3, "TURN PREVIEW", {"WATER", "MISC_WATER_AREA"}, {"ROAD_HWY_MJR"}};
    add_picked_elements(theme, first);
    const ElementPick second{0, "GUIDANCE", {"WOODS"}, {"TRK", "LEGEND"}};
    add_picked_elements(theme, second);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("added.kmtf");
    MessageList messages;
    ASSERT_EQ(save_theme_file(theme, path, messages, ExistingFile::Replaced), SaveOutcome::Written);

    Theme read;
    ASSERT_TRUE(read_theme_file(path, read, messages));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join("|").toStdString();
    ASSERT_EQ(read.element_count(), theme.element_count());
    for (int k = 0; k < theme.element_count(); ++k) {
        const Element& a = theme.elements[k];
        const Element& b = read.elements[k];
        EXPECT_EQ(b.sort_code, a.sort_code);
        EXPECT_EQ(b.field_name, a.field_name);
        EXPECT_EQ(b.display_name.trimmed(), a.display_name);  // the reader keeps a blank
        EXPECT_EQ(b.presentation.trimmed(), a.presentation);
        EXPECT_EQ(b.scale, a.scale);
        EXPECT_EQ(b.border, a.border);
        EXPECT_EQ(b.primary_day, a.primary_day.toUpper());
        EXPECT_EQ(b.primary_night, a.primary_night.toUpper());
        EXPECT_EQ(b.secondary_day, a.secondary_day.toUpper());
        EXPECT_EQ(b.secondary_night, a.secondary_night.toUpper());
    }
}

}  // namespace
}  // namespace quorvane
