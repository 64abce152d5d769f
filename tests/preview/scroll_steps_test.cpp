// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "preview/scroll_steps.h"
#include "preview/zoom.h"

namespace quorvane {
namespace {

Theme theme_of(int count) {
    Theme theme;
    for (int k = 0; k < count; ++k) {
        Element e;
        e.presentation = k < count / 2 ? QStringLiteral("GUIDANCE") : QStringLiteral("BROWSE");
        theme.elements.push_back(e);
    }
    return theme;
}

TEST(ScrollSteps, FollowTheRowsNotTheThemesSize) {
    const int viewport = 10236;
    for (const int count : {3, 300, 30000}) {
        const PreviewLayout layout = lay_out_preview(theme_of(count), {});
        // One row of tiles and one viewport, whatever the canvas's height.
        EXPECT_EQ(scroll_steps(layout.tiles, 100, viewport), (ScrollSteps{1516, viewport}))
            << count;
    }
    EXPECT_EQ(scroll_steps({}, 400, 9000), (ScrollSteps{6064, 9000}));
    EXPECT_EQ(scroll_steps({}, 50, 9000), (ScrollSteps{758, 9000}));
}

TEST(ScrollSteps, SettingsScrollTheCanvasThroughTheViewport) {
    const ScrollSteps steps{1516, 10236};
    EXPECT_EQ(window_scroll_settings(steps, 50000, 10236),
              (ScrollSettings{50000 - 10236, 10236, 1516, 0}));
    // A canvas within a pixel of the viewport does not scroll.
    EXPECT_EQ(window_scroll_settings(steps, 10236 + 14, 10236).maximum, 0);
    EXPECT_EQ(window_scroll_settings(steps, 10236 - 3, 10236).maximum, 0);
}

TEST(ScrollSteps, TheCanvasKeepsRoomForTheLastRowsFrame) {
    PreviewFrame frame;
    frame.viewport_height = 3000;
    const PreviewLayout tall = lay_out_preview(theme_of(60), frame);
    const int last_labels_end = tall.rows.back().top + 816 + 600;
    EXPECT_EQ(tall.canvas_height, last_labels_end);
    EXPECT_EQ(window_canvas_height(tall, 100), last_labels_end + kFrameRoom);
    EXPECT_EQ(window_canvas_height(tall, 200), 2 * (last_labels_end + kFrameRoom));
    const int frame_bottom = tall.selection_frame(tall.tile_count() - 1).bottom() + 1;
    EXPECT_LE(frame_bottom, window_canvas_height(tall, 100));
    // A short canvas already stretched to the viewport needs nothing more.
    const PreviewLayout short_one = lay_out_preview(theme_of(2), {});
    EXPECT_EQ(window_canvas_height(short_one, 100), 10236);
}

TEST(ScrollSteps, ShowsATileWholeWithItsFrame) {
    // Viewport 10000 high showing canvas rows from 5000.
    const auto showing = [](int top, int bottom) {
        return scroll_value_showing(5000, 10000, 40000, top, bottom, 60);
    };
    EXPECT_EQ(showing(5000, 6456), std::nullopt);    // whole at the top edge
    EXPECT_EQ(showing(13544, 15000), std::nullopt);  // whole at the bottom edge
    EXPECT_EQ(showing(4990, 6446), 4930);            // cut at the top
    EXPECT_EQ(showing(14000, 15456), 13940);         // cut at the bottom
    EXPECT_EQ(showing(30, 1486), 0);                 // held at the canvas's top
    EXPECT_EQ(showing(48600, 50056), 40000);         // and at its end
    EXPECT_EQ(showing(20000, 40000), 19940);         // taller than the viewport: its top
}

}  // namespace
}  // namespace quorvane
