// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "style_editor/palette_geometry.h"

namespace quorvane {
namespace {

TEST(Palette, GeometryInRowsOfSixteen) {
    EXPECT_EQ(palette_cell_rect(0), QRect(744, 204, 192, 192));
    // Cell 17: row 1, column 1.
    EXPECT_EQ(palette_cell_rect(17), QRect(744 + 192, 204 + 192, 192, 192));
    // The last row holds cells 240 to 253 in columns 0 to 13.
    EXPECT_EQ(palette_cell_rect(240).topLeft(), QPoint(744, 204 + 15 * 192));
    EXPECT_EQ(palette_cell_rect(253).topLeft(), QPoint(744 + 13 * 192, 204 + 15 * 192));
}

TEST(Palette, HitTestingFindsTheCellOrNothing) {
    EXPECT_EQ(palette_cell_at(QPoint(744, 204)), 0);
    EXPECT_EQ(palette_cell_at(QPoint(744 + 191, 204 + 191)), 0);
    EXPECT_EQ(palette_cell_at(QPoint(744 + 192 + 5, 204 + 192 + 5)), 17);
    EXPECT_EQ(palette_cell_at(QPoint(744 + 13 * 192 + 1, 204 + 15 * 192 + 1)), 253);
    // The two empty places of the last row, and outside the grid.
    EXPECT_EQ(palette_cell_at(QPoint(744 + 14 * 192 + 1, 204 + 15 * 192 + 1)), -1);
    EXPECT_EQ(palette_cell_at(QPoint(743, 300)), -1);
    EXPECT_EQ(palette_cell_at(QPoint(744 + 16 * 192, 300)), -1);
    EXPECT_EQ(palette_cell_at(QPoint(800, 204 + 16 * 192)), -1);
}

TEST(ShadeCells, Geometry) {
    EXPECT_EQ(shade_cell_rect(1), QRect(1848, 3564, 264, 264));
    EXPECT_EQ(shade_cell_rect(3), QRect(1848, 3864, 264, 264));
    EXPECT_EQ(shade_cell_rect(4), QRect(2196, 3564, 264, 264));
    EXPECT_EQ(shade_cell_rect(5), QRect(2196, 3864, 264, 264));
    EXPECT_EQ(shade_cell_rect(0), QRect(2532, 3564, 264, 264));
    EXPECT_EQ(shade_cell_rect(2), QRect(2532, 3864, 264, 264));
}

}  // namespace
}  // namespace quorvane
