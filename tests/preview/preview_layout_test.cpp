// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "preview/preview_layout.h"

namespace quorvane {
namespace {

Element element(const QString& presentation, const QString& border = QStringLiteral(".6")) {
    Element e;
    e.field_name = QStringLiteral("MAP_ROAD_CLR");
    e.display_name = QStringLiteral("ROAD");
    e.presentation = presentation;
    e.border = border;
    e.scale = border.isEmpty() ? QString() : QStringLiteral("1");
    return e;
}

Theme theme_of(const QStringList& presentations) {
    Theme theme;
    for (const QString& p : presentations) {
        theme.elements.push_back(element(p));
    }
    return theme;
}

// Five columns fit: the sixth would start at 4998 > 5000 - 852.
PreviewFrame five_columns() {
    PreviewFrame frame;
    frame.canvas_inner_width = 5000;
    frame.canvas_width = 5000;
    return frame;
}

TEST(PreviewLayout, PlacesColumnsAndTheFirstRowAsInTheWindow) {
    const PreviewLayout layout =
        lay_out_preview(theme_of({"GUIDANCE", "GUIDANCE", "GUIDANCE"}), {});
    EXPECT_EQ(layout.sample_offset, 38);
    ASSERT_EQ(layout.tile_count(), 3);
    EXPECT_EQ(layout.tile_positions[0], QPoint(238, 38));
    EXPECT_EQ(layout.tile_positions[1], QPoint(1190, 38));
    EXPECT_EQ(layout.tile_positions[2], QPoint(2142, 38));
    EXPECT_EQ(layout.tile_rect(1), QRect(1190, 38, 852, 816));
    EXPECT_EQ(layout.label_rect(1), QRect(1190, 854, 852, 600));
    EXPECT_EQ(layout.selection_frame(1), QRect(1170, 18, 892, 1456));
    EXPECT_TRUE(layout.rules.empty());
}

TEST(PreviewLayout, TwelveColumnsFitTheLayoutWidthOfTheCanvas) {
    QStringList names;
    for (int k = 0; k < 13; ++k) {
        names << "BROWSE";
    }
    const PreviewLayout layout = lay_out_preview(theme_of(names), {});
    EXPECT_EQ(layout.tile_positions[11], QPoint(238 + 11 * 952, 38));
    EXPECT_EQ(layout.tile_positions[12], QPoint(238, 38 + 1516));
}

TEST(PreviewLayout, WrapsTheSixthTileWhenFiveColumnsFit) {
    const PreviewLayout layout =
        lay_out_preview(theme_of({"GUIDANCE", "GUIDANCE", "GUIDANCE", "GUIDANCE", "GUIDANCE",
                                  "GUIDANCE", "GUIDANCE"}),
                        five_columns());
    EXPECT_EQ(layout.tile_positions[4], QPoint(238 + 4 * 952, 38));
    EXPECT_EQ(layout.tile_positions[5], QPoint(238, 1554));
    EXPECT_EQ(layout.tile_positions[6], QPoint(1190, 1554));
    ASSERT_EQ(layout.rows.size(), 2u);
    EXPECT_EQ(layout.rows[1].first, 5);
    EXPECT_EQ(layout.rows[1].count, 2);
    EXPECT_TRUE(layout.rules.empty());
}

TEST(PreviewLayout, StartsANewPresentationOnANewRowUnderARule) {
    const PreviewLayout layout = lay_out_preview(theme_of({"GUIDANCE", "GUIDANCE", "BROWSE"}), {});
    EXPECT_EQ(layout.tile_positions[2], QPoint(238, 38 + 1616));
    EXPECT_EQ(layout.rules, std::vector<qint64>{38 + 1616 - 150});
}

TEST(PreviewLayout, AFullRowAtAPresentationBreakLeavesAnEmptyRow) {
    const PreviewLayout layout = lay_out_preview(
        theme_of({"GUIDANCE", "GUIDANCE", "GUIDANCE", "GUIDANCE", "GUIDANCE", "BROWSE"}),
        five_columns());
    EXPECT_EQ(layout.tile_positions[5], QPoint(238, 38 + 1516 + 1616));
    EXPECT_EQ(layout.rules, std::vector<qint64>{38 + 1516 + 1616 - 150});
    EXPECT_EQ(layout.rows.size(), 2u);
}

TEST(PreviewLayout, ComparesPresentationsWithoutTheirSurroundingSpacesButCaseSensitive) {
    const PreviewLayout same =
        lay_out_preview(theme_of({" GUIDANCE ", "GUIDANCE", "GUIDANCE  "}), {});
    EXPECT_EQ(same.tile_positions[2], QPoint(2142, 38));
    EXPECT_TRUE(same.rules.empty());

    const PreviewLayout different = lay_out_preview(theme_of({"GUIDANCE", "Guidance"}), {});
    EXPECT_EQ(different.tile_positions[1], QPoint(238, 1654));
}

TEST(PreviewLayout, EveryPresentationRunStartsAGroupEvenWhenTheNameCameBefore) {
    const PreviewLayout layout = lay_out_preview(theme_of({"GUIDANCE", "BROWSE", "GUIDANCE"}), {});
    EXPECT_EQ(layout.rules, (std::vector<qint64>{1504, 1504 + 1616}));
    EXPECT_EQ(layout.tile_positions[2], QPoint(238, 38 + 2 * 1616));
}

TEST(PreviewLayout, AnEmptyThemeLeavesTheCanvasTwoHundredRowsTallAndTheScrollBarAlone) {
    const PreviewLayout layout = lay_out_preview(Theme{}, {});
    EXPECT_EQ(layout.tile_count(), 0);
    EXPECT_TRUE(layout.rows.empty());
    EXPECT_EQ(layout.canvas_height, (816 + 600) * 200);
    EXPECT_FALSE(layout.scroll.has_value());
}

TEST(PreviewLayout, StretchesAShortCanvasToTheViewport) {
    const PreviewLayout layout = lay_out_preview(theme_of({"GUIDANCE"}), {});
    EXPECT_EQ(layout.canvas_height, 10236);
    ASSERT_TRUE(layout.scroll.has_value());
    EXPECT_EQ(*layout.scroll, (ScrollSettings{0, 1024, 512, 0}));
}

TEST(PreviewLayout, FitsATallCanvasToItsLastRowOfLabels) {
    QStringList names;
    for (int k = 0; k < 12 * 8; ++k) {
        names << "GUIDANCE";
    }
    const PreviewLayout layout = lay_out_preview(theme_of(names), {});
    const int last_row = 38 + 7 * 1516;
    EXPECT_EQ(layout.canvas_height, 816 + 600 + last_row);
    ASSERT_TRUE(layout.scroll.has_value());
    EXPECT_EQ(layout.scroll->maximum, layout.canvas_height - 10236);
    EXPECT_EQ(layout.scroll->large_change, 1207);  // 12066 / 10
    EXPECT_EQ(layout.scroll->small_change, 603);
}

TEST(PreviewLayout, ScrollSettingsRoundHalvesToEven) {
    EXPECT_EQ(scroll_settings(11550, 10236), (ScrollSettings{1314, 1155, 578, 0}));
    EXPECT_EQ(scroll_settings(11650, 10236), (ScrollSettings{1414, 1165, 582, 0}));
}

TEST(PreviewLayout, FindsTheTileUnderAPointAndTheRowsInAStrip) {
    QStringList names;
    for (int k = 0; k < 30; ++k) {
        names << (k < 20 ? "GUIDANCE" : "TRAFFIC");
    }
    const PreviewLayout layout = lay_out_preview(theme_of(names), {});
    EXPECT_EQ(layout.tile_at(QPoint(238, 38)), 0);
    EXPECT_EQ(layout.tile_at(QPoint(238 + 851, 38 + 815)), 0);
    EXPECT_EQ(layout.tile_at(QPoint(238 + 852, 38)), -1);             // the gap between columns
    EXPECT_EQ(layout.tile_at(QPoint(238, 38 + 816)), -1);             // a label is no tile
    EXPECT_EQ(layout.tile_at(QPoint(1190 + 10, 1554 + 10)), 13);      // second row
    EXPECT_EQ(layout.tile_at(QPoint(238 + 8 * 952, 1554 + 10)), -1);  // past the row's end
    EXPECT_EQ(layout.tile_at(QPoint(238, 1554 + 1616 + 10)), 20);
    EXPECT_EQ(layout.tile_at(QPoint(100, 100)), -1);

    EXPECT_EQ(layout.rows_between(0, 10), (std::pair<int, int>{0, 0}));  // above the first row
    EXPECT_EQ(layout.rows_between(0, 40), (std::pair<int, int>{0, 1}));
    EXPECT_EQ(layout.rows_between(1460, 1560), (std::pair<int, int>{1, 2}));
    EXPECT_EQ(layout.rows_between(0, 100000), (std::pair<int, int>{0, 3}));
    EXPECT_EQ(layout.rows_between(90000, 100000), (std::pair<int, int>{3, 3}));
}

TEST(PreviewLayout, LaysOutOnlyTheShownElementsAsIfTheOthersWereNotThere) {
    const Theme theme = theme_of({"GUIDANCE", "GUIDANCE", "BROWSE", "BROWSE", "TRAFFIC"});
    const PreviewLayout layout = lay_out_preview(theme, {}, {1, 4});
    ASSERT_EQ(layout.tile_count(), 2);
    EXPECT_EQ(layout.tile_positions[0], QPoint(238, 38));
    EXPECT_EQ(layout.tile_positions[1], QPoint(238, 38 + 1616));  // BROWSE has no row
    EXPECT_EQ(layout.rules, std::vector<qint64>{38 + 1616 - 150});
    EXPECT_EQ(layout.element_of(1), 4);
    EXPECT_EQ(layout.tile_of(4), 1);
    EXPECT_EQ(layout.tile_of(2), -1);
    EXPECT_EQ(layout.tile_at(QPoint(238 + 10, 38 + 1616 + 10)), 1);
    // Every Element shown: tile k is Element k.
    const PreviewLayout all = lay_out_preview(theme, {});
    EXPECT_EQ(all.element_of(3), 3);
    EXPECT_EQ(all.tile_of(3), 3);
    EXPECT_EQ(all.tile_of(5), -1);
    EXPECT_EQ(all.tile_of(-1), -1);
    // Nothing shown: a canvas of the viewport's height that does not scroll.
    const PreviewLayout none = lay_out_preview(theme, {}, std::vector<int>{});
    EXPECT_EQ(none.tile_count(), 0);
    EXPECT_EQ(none.canvas_height, 10236);
    ASSERT_TRUE(none.scroll.has_value());
    EXPECT_EQ(none.scroll->maximum, 0);
}

}  // namespace
}  // namespace quorvane
