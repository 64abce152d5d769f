// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "colour/colour_values.h"
#include "colour/shades.h"

namespace quorvane {
namespace {

void expect_cells(const ShadeCells& cells, const std::array<int, 6>& expected) {
    EXPECT_FALSE(cells.greyed_out);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(colour_text(cells.colours[k]), colour_text(expected[k])) << "shad " << k;
        EXPECT_EQ(cells.tool_tips[k], "#" + colour_text(expected[k])) << "shad " << k;
    }
}

TEST(Shades, MiddleLevelsStepOneLevelEachWay) {
    expect_cells(shade_cells(rgb(0x7b, 0x65, 0x6a)),
                 {rgb(0x7b, 0x65, 0x8b), rgb(0xbd, 0x65, 0x6a), rgb(0x7b, 0x65, 0x41),
                  rgb(0x39, 0x65, 0x6a), rgb(0x7b, 0x95, 0x6a), rgb(0x7b, 0x30, 0x6a)});
}

TEST(Shades, FirstLevelsStepUpOneAndTwo) {
    expect_cells(shade_cells(rgb(0, 0, 0)), {rgb(0, 0, 0x41), rgb(0x7b, 0, 0), rgb(0, 0, 0x20),
                                             rgb(0x39, 0, 0), rgb(0, 0x30, 0), rgb(0, 0x65, 0)});
}

TEST(Shades, LastLevelsStepDownOneAndTwo) {
    expect_cells(shade_cells(rgb(0xff, 0xff, 0xff)),
                 {rgb(0xff, 0xff, 0xd5), rgb(0xbd, 0xff, 0xff), rgb(0xff, 0xff, 0xb4),
                  rgb(0x7b, 0xff, 0xff), rgb(0xff, 0xca, 0xff), rgb(0xff, 0x95, 0xff)});
}

TEST(Shades, AChannelOffTheLevelsGreysOut) {
    // A palette grey, a colour whose blue alone is on no level, and channels whose two digits
    // merely straddle two levels ("06" in 00 30 65, "df" in bd ff, "03" in 00 30).
    for (int colour : {rgb(0x10, 0x10, 0x10), rgb(0, 0, 0x99), rgb(0, 0x06, 0), rgb(0xdf, 0, 0),
                       rgb(0, 0x03, 0)}) {
        const ShadeCells cells = shade_cells(colour);
        EXPECT_TRUE(cells.greyed_out) << colour;
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(cells.colours[k], rgb(220, 220, 220));
            EXPECT_EQ(cells.tool_tips[k], "#DCDCDC");
        }
    }
}

}  // namespace
}  // namespace quorvane
