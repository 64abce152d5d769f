// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "preview/tile_navigation.h"
#include "support/printers.h"

namespace quorvane {
namespace {

// Five columns a row. GUIDANCE 0-6 (rows of 5 and 2), BROWSE 7-9, TRAFFIC 10-15 (5 and 1).
PreviewLayout sample_layout() {
    Theme theme;
    const std::pair<const char*, int> runs[] = {{"GUIDANCE", 7}, {"BROWSE", 3}, {"TRAFFIC", 6}};
    for (const auto& [presentation, count] : runs) {
        for (int k = 0; k < count; ++k) {
            Element e;
            e.presentation = QLatin1String(presentation);
            theme.elements.push_back(e);
        }
    }
    PreviewFrame frame;
    frame.canvas_inner_width = 5000;
    frame.canvas_width = 5000;
    return lay_out_preview(theme, frame);
}

TEST(TileNavigation, RowsOfTheSampleLayout) {
    const PreviewLayout layout = sample_layout();
    ASSERT_EQ(layout.rows.size(), 5u);
    const int firsts[] = {0, 5, 7, 10, 15};
    const int tops[] = {38, 38 + 1516, 38 + 1516 + 1616, 38 + 1516 + 2 * 1616,
                        38 + 2 * 1516 + 2 * 1616};
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(layout.rows[size_t(r)].first, firsts[r]);
        EXPECT_EQ(layout.rows[size_t(r)].top, tops[r]);
    }
    EXPECT_EQ(row_of_tile(layout, 0), 0);
    EXPECT_EQ(row_of_tile(layout, 6), 1);
    EXPECT_EQ(row_of_tile(layout, 7), 2);
    EXPECT_EQ(row_of_tile(layout, 15), 4);
}

TEST(TileNavigation, StepsAlongRowsAcrossBreaksAndToTheNearestColumn) {
    const PreviewLayout layout = sample_layout();
    struct Case {
        int from;
        TileStep step;
        int page;
        int to;
    };
    const Case cases[] = {
        // Left and right go along the Elements, across row ends and presentation breaks.
        {4, TileStep::Right, 0, 5},
        {5, TileStep::Left, 0, 4},
        {6, TileStep::Right, 0, 7},
        {7, TileStep::Left, 0, 6},
        {0, TileStep::Left, 0, 0},
        {15, TileStep::Right, 0, 15},
        // Up and down keep the column, or take the nearest one of a shorter row.
        {1, TileStep::Down, 0, 6},
        {3, TileStep::Down, 0, 6},
        {6, TileStep::Down, 0, 8},
        {9, TileStep::Down, 0, 12},
        {14, TileStep::Down, 0, 15},
        {15, TileStep::Down, 0, 15},
        {13, TileStep::Up, 0, 9},
        {12, TileStep::Up, 0, 9},
        {8, TileStep::Up, 0, 6},
        {2, TileStep::Up, 0, 2},
        // A page goes as far as the rows within it, at least one row.
        {0, TileStep::PageDown, 3000, 5},
        {6, TileStep::PageDown, 3000, 8},
        {2, TileStep::PageDown, 4800, 12},
        {2, TileStep::PageDown, 100, 6},
        {2, TileStep::PageDown, 100000, 15},
        {15, TileStep::PageDown, 3000, 15},
        {13, TileStep::PageUp, 3000, 9},
        {13, TileStep::PageUp, 100, 9},
        {13, TileStep::PageUp, 100000, 3},
        {3, TileStep::PageUp, 3000, 3},
        {8, TileStep::First, 0, 0},
        {8, TileStep::Last, 0, 15},
        // Nothing current: every key starts at the first tile, End at the last.
        {-1, TileStep::Right, 0, 0},
        {-1, TileStep::Up, 0, 0},
        {-1, TileStep::Last, 0, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.from << " step " << int(c.step));
        EXPECT_EQ(tile_after_step(layout, c.from, c.step, c.page), c.to);
    }
    EXPECT_EQ(tile_after_step(lay_out_preview(Theme{}, {}), -1, TileStep::First, 0), -1);
}

TEST(TileNavigation, ScrollsAsLittleAsNeededToShowATile) {
    struct Case {
        const char* what;
        int top, bottom, value, offset, maximum, viewport, canvas;
        int wanted;
    };
    const Case cases[] = {
        {"in view", 500, 2000, 0, 0, 20000, 10000, 30000, 0},
        {"below", 12000, 13500, 0, 0, 20000, 10000, 30000, 3500},
        {"above", 1000, 2500, 5000, 5000, 20000, 10000, 30000, 1000},
        {"taller than the viewport", 1000, 12000, 0, 0, 20000, 10000, 30000, 1000},
        {"nothing to scroll", 12000, 13500, 0, 0, 0, 10000, 30000, 0},
        {"coarse bar, below", 12000, 13500, 0, 0, 1000, 10000, 30000, 175},
        {"coarse bar, above", 1010, 2500, 500, 10000, 1000, 10000, 30000, 50},
        {"the canvas not yet at the bar's place", 9950, 10000, 0, -84, 20000, 10000, 30000, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(least_scroll_showing(c.top, c.bottom, c.value, c.offset, c.maximum, c.viewport,
                                       c.canvas),
                  c.wanted);
    }
}

}  // namespace
}  // namespace quorvane
