// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "style_editor/palette_geometry.h"

namespace quorvane {
namespace {

TEST(Palette, GeometryInRowsOfSixteen) {
    EXPECT_EQ(palette_cell_rect(0, 13), QRect(0, 0, 13, 13));
    // Cell 17: row 1, column 1.
    EXPECT_EQ(palette_cell_rect(17, 13), QRect(13, 13, 13, 13));
    // The last row holds cells 240 to 253 in columns 0 to 13.
    EXPECT_EQ(palette_cell_rect(240, 12).topLeft(), QPoint(0, 15 * 12));
    EXPECT_EQ(palette_cell_rect(253, 12).topLeft(), QPoint(13 * 12, 15 * 12));
    EXPECT_EQ(palette_grid_size(12), QSize(192, 192));
    // The largest cells that fit, never none.
    EXPECT_EQ(palette_cell_size_for(QSize(200, 300)), 12);
    EXPECT_EQ(palette_cell_size_for(QSize(400, 210)), 13);
    EXPECT_EQ(palette_cell_size_for(QSize(5, 5)), 1);
}

TEST(Palette, HitTestingFindsTheCellOrNothing) {
    const struct {
        QPoint at;
        int cell;
    } cases[] = {
        {{0, 0}, 0},
        {{11, 11}, 0},
        {{12 + 5, 12 + 5}, 17},
        {{13 * 12 + 1, 15 * 12 + 1}, 253},
        // The two empty places of the last row, and outside the grid.
        {{14 * 12 + 1, 15 * 12 + 1}, -1},
        {{-1, 30}, -1},
        {{16 * 12, 30}, -1},
        {{30, 16 * 12}, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(palette_cell_at(c.at, 12), c.cell) << c.at.x() << "," << c.at.y();
    }
}

TEST(ShadeCells, PlacesUnderTheirChannels) {
    const ShadeChannel channel[] = {ShadeChannel::Blue, ShadeChannel::Red,   ShadeChannel::Blue,
                                    ShadeChannel::Red,  ShadeChannel::Green, ShadeChannel::Green};
    const int row[] = {0, 0, 1, 1, 0, 1};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(shade_cell_place(k).channel, channel[k]) << k;
        EXPECT_EQ(shade_cell_place(k).row, row[k]) << k;
    }
}

}  // namespace
}  // namespace quorvane
