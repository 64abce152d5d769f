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
    // A palette grey, and a colour whose blue alone is on no level.
    for (int colour : {rgb(0x10, 0x10, 0x10), rgb(0, 0, 0x99)}) {
        const ShadeCells cells = shade_cells(colour, {1, 2, 3, 4, 5, 6});
        EXPECT_TRUE(cells.greyed_out);
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(cells.colours[k], rgb(220, 220, 220));
            EXPECT_EQ(cells.tool_tips[k], "#DCDCDC");
        }
    }
}

TEST(Shades, DigitsStraddlingTwoLevelsAreReadFromWhereTheyMatch) {
    // Green 06 matches position 4 of 003065...: the steps read "03" and "59" from there.
    const ShadeCells cells = shade_cells(rgb(0, 0x06, 0));
    EXPECT_FALSE(cells.greyed_out);
    EXPECT_EQ(cells.colours[4], rgb(0, 0x59, 0));
    EXPECT_EQ(cells.colours[5], rgb(0, 0x03, 0));
    // Red and blue step from their first level, keeping the odd green.
    EXPECT_EQ(cells.colours[1], rgb(0x7b, 0x06, 0));
    EXPECT_EQ(cells.colours[0], rgb(0, 0x06, 0x41));
}

TEST(Shades, AStepBeyondTheStringKeepsTheCellsColour) {
    // Red df matches position 8 of 00397bbdff: one level up reads the lone "f" at the end, one
    // level down reads "bb".
    const ShadeCells high = shade_cells(rgb(0xdf, 0, 0));
    EXPECT_EQ(high.colours[1], rgb(0x0f, 0, 0));
    EXPECT_EQ(high.colours[3], rgb(0xbb, 0, 0));
    // Green 03 matches position 2, whose level below would start before the string.
    const ShadeCells low = shade_cells(rgb(0, 0x03, 0), {0, 0, 0, 0, 0, 0x123456});
    EXPECT_EQ(low.colours[4], rgb(0, 0x06, 0));
    EXPECT_EQ(low.colours[5], 0x123456);
    EXPECT_EQ(low.tool_tips[5], "#563412");
}

}  // namespace
}  // namespace quorvane
