// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "preview/zoom.h"

namespace quorvane {
namespace {

Theme theme_of(int count, const QString& presentation = QStringLiteral("GUIDANCE")) {
    Theme theme;
    for (int k = 0; k < count; ++k) {
        Element e;
        e.field_name = QStringLiteral("MAP_ROAD_%1_CLR").arg(k);
        e.presentation = presentation;
        theme.elements.push_back(e);
    }
    return theme;
}

TEST(Zoom, StepsThroughTheLevelsAndStopsAtEitherEnd) {
    const struct {
        int percent;
        int steps;
        int expected;
    } cases[] = {
        {100, 1, 110}, {100, -1, 90}, {100, 3, 150},  {100, 0, 100}, {400, 1, 400},
        {50, -1, 50},  {50, 20, 400}, {400, -20, 50}, {95, 1, 100},  {95, -1, 90},
        {30, 1, 50},   {30, -1, 50},  {500, -1, 400}, {500, 1, 400},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(zoom_level(c.percent, c.steps), c.expected) << c.percent << " " << c.steps;
    }
}

TEST(Zoom, RowsWrapToTheWidthTheWindowShows) {
    const Theme theme = theme_of(30);
    PreviewFrame window;  // 11712 twips wide: twelve columns at 100%
    const struct {
        int percent;
        int columns;
    } cases[] = {{100, 12}, {200, 6}, {400, 2}, {50, 24}, {75, 16}};
    for (const auto& c : cases) {
        const PreviewLayout layout = lay_out_preview(theme, zoomed_frame(window, c.percent));
        ASSERT_FALSE(layout.rows.empty());
        EXPECT_EQ(layout.rows[0].count, c.columns) << c.percent;
        // The rule runs across the whole canvas the window shows.
        EXPECT_EQ(zoomed(layout.canvas_width, c.percent), window.canvas_width) << c.percent;
    }
    // The day view at 100% is laid out exactly as before.
    const PreviewLayout actual = lay_out_preview(theme, zoomed_frame(window, 100));
    const PreviewLayout plain = lay_out_preview(theme, window);
    EXPECT_EQ(actual.tile_positions, plain.tile_positions);
    EXPECT_EQ(actual.canvas_height, plain.canvas_height);
}

TEST(Zoom, KeepsTheTileUnderThePointAtItsHeightInTheViewport) {
    const Theme theme = theme_of(300);
    const PreviewFrame window;
    const PreviewLayout before = lay_out_preview(theme, window);
    // The pointer is 400 twips into tile 200 (row 16, column 8), which shows 3000 twips below
    // the viewport's top.
    const QPoint pointer(before.tile_positions[200].x() + 300,
                         int(before.tile_positions[200].y()) + 400);
    const ZoomAnchor anchor = zoom_anchor(before, pointer);
    EXPECT_EQ(anchor, (ZoomAnchor{200, 400}));

    for (const int percent : {50, 200, 400}) {
        const PreviewLayout after = lay_out_preview(theme, zoomed_frame(window, percent));
        const int maximum = 10'000'000;
        const std::optional<int> value =
            scroll_value_keeping(after, anchor, percent, 3000, maximum);
        ASSERT_TRUE(value.has_value());
        // The same point of tile 200 lies 3000 twips below the viewport's top again.
        const int tile_top = after.tile_positions[200].y();
        EXPECT_EQ(zoomed(tile_top + 400, percent) - *value, 3000) << percent;
    }
}

TEST(Zoom, AnchorsAPointBetweenTilesToItsRowAndHoldsTheValueInRange) {
    const Theme theme = theme_of(30);
    const PreviewLayout layout = lay_out_preview(theme, {});
    // Between rows 0 and 1 (the gap under the first labels): the next row's first tile.
    EXPECT_EQ(zoom_anchor(layout, QPoint(5000, 1500)), (ZoomAnchor{12, 1500 - 1554}));
    // On a label: that row's first tile.
    EXPECT_EQ(zoom_anchor(layout, QPoint(5000, 1000)), (ZoomAnchor{0, 962}));
    // Below everything: the last row.
    EXPECT_EQ(zoom_anchor(layout, QPoint(0, 90000)).element, 24);
    EXPECT_EQ(zoom_anchor(lay_out_preview(Theme{}, {}), QPoint(0, 0)), ZoomAnchor{});

    EXPECT_EQ(scroll_value_keeping(layout, ZoomAnchor{0, 0}, 100, 3000, 500), 0);
    EXPECT_EQ(scroll_value_keeping(layout, ZoomAnchor{24, 0}, 400, 0, 500), 500);
    EXPECT_EQ(scroll_value_keeping(layout, ZoomAnchor{99, 0}, 100, 0, 500), std::nullopt);
}

}  // namespace
}  // namespace quorvane
