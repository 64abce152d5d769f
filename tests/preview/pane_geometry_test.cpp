// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "preview/pane_geometry.h"

namespace quorvane {
namespace {

TEST(FormResize, FitsThePreviewToTheOpeningWindow) {
    PaneGeometry pane;
    ScrollBarState scroll;
    fit_to_window(pane, scroll, 15144, 10680);
    EXPECT_EQ(pane.viewport, QRect(2760, 60, 12372, 10236));
    EXPECT_EQ(pane.canvas, QRect(108, 84, 12252, 10116));
    EXPECT_EQ(pane.scroll_bar, QRect(14904, 0, 228, 10236));
    // The scroll bar's right edge is the viewport's.
    EXPECT_EQ(pane.scroll_bar.left() + pane.scroll_bar.width(),
              pane.viewport.left() + pane.viewport.width());
    // Scroll settings from the canvas height before the resize.
    EXPECT_EQ(scroll, (ScrollBarState{1314, 1155, 578, 0}));
    EXPECT_EQ(pane.frame().canvas_inner_width, 12252);
    EXPECT_EQ(pane.frame().viewport_height, 10236);
}

TEST(FormResize, KeepsTheViewportWidthWhenItWouldBeThirtyOrLess) {
    PaneGeometry pane;
    ScrollBarState scroll;
    fit_to_window(pane, scroll, 15144, 10680);
    fit_to_window(pane, scroll, 2760 + 330 + 30 - kFrameAllowanceWidth, 10680);
    EXPECT_EQ(pane.viewport.width(), 12372);
    EXPECT_EQ(pane.canvas.width(), 12252);
    EXPECT_EQ(pane.scroll_bar.left(), 2760 + 30 - 228);
}

TEST(FormResize, SkipsNegativeHeightsAndInvalidScrollSettings) {
    PaneGeometry pane;
    ScrollBarState scroll;
    fit_to_window(pane, scroll, 15144, 10680);
    pane.canvas.setHeight(5000);  // shorter than the viewport: a negative maximum
    fit_to_window(pane, scroll, 15144, 100);
    EXPECT_EQ(scroll.maximum, 1314);
    EXPECT_EQ(scroll.large_change, 500);
    EXPECT_EQ(pane.viewport.height(), 10236);
    EXPECT_EQ(pane.canvas.height(), 10116);
}

// The preview in an area of its own: the viewport fills it below a 60-twip gap, the scroll bar
// on its right edge, and the canvas is as in the window whose viewport was as wide.
TEST(FitToArea, FillsTheAreaAsTheWindowOfTheSameViewportWidthDid) {
    PaneGeometry pane;
    PaneGeometry old;
    ScrollBarState scroll;
    ScrollBarState old_scroll;
    for (int fits = 0; fits < 2; ++fits) {
        fit_to_area(pane, scroll, 4725, 3000);
    }
    fit_to_window(old, old_scroll, 4725 + 2772, 3000 + 384);
    EXPECT_EQ(pane.viewport, QRect(0, 60, 4725, 2940));
    EXPECT_EQ(pane.scroll_bar, QRect(4725 - 228, 0, 228, 2940));
    EXPECT_EQ(pane.canvas, old.canvas);
}

TEST(ScrollOffset, ScalesTheValueToTheWholeCanvas) {
    EXPECT_EQ(scroll_offset(10236, 20236, 5000, 10000), 5000);
    // A maximum that does not match the heights still reaches the canvas's bottom.
    EXPECT_EQ(scroll_offset(10236, 50236, 100, 100), 40000);
    EXPECT_EQ(scroll_offset(10236, 10236, 0, 0), 0);
    EXPECT_EQ(scroll_offset(10236, 12000, 5, 0), 0);
}

TEST(ScrollBarState, SkipsSettingsTheBarCannotTake) {
    ScrollBarState scroll;
    scroll.apply(ScrollSettings{-5, 0, 0, 0});
    EXPECT_EQ(scroll, (ScrollBarState{32767, 1, 1, 0}));
    scroll.apply(ScrollSettings{100000, 20000, 10000, 0});
    EXPECT_EQ(scroll, (ScrollBarState{100000, 20000, 10000, 0}));
}

}  // namespace
}  // namespace quorvane
