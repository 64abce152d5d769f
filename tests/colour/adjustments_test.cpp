// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "colour/adjustments.h"
#include "colour/colour_values.h"

namespace quorvane {
namespace {

TEST(Brightness, FullOffsetsGiveWhiteAndBlackAndZeroKeepsTheColour) {
    for (int base : {rgb(0, 0, 0), rgb(230, 100, 0), rgb(12, 200, 255), rgb(255, 255, 255)}) {
        EXPECT_EQ(change_brightness_colour(base, 255), rgb(255, 255, 255));
        EXPECT_EQ(change_brightness_colour(base, -255), rgb(0, 0, 0));
        EXPECT_EQ(change_brightness_colour(base, 0), base);
    }
}

TEST(Brightness, AddsTheOffsetToEveryChannelWithinLimits) {
    EXPECT_EQ(change_brightness_colour(rgb(230, 100, 0), 40), rgb(255, 140, 40));
    EXPECT_EQ(change_brightness_colour(rgb(230, 100, 20), -40), rgb(190, 60, 0));
    const ChannelTable table = brightness_table(-10);
    EXPECT_EQ(table[0], 0);
    EXPECT_EQ(table[9], 0);
    EXPECT_EQ(table[255], 245);
}

TEST(Contrast, FullAmountSpreadsAroundThePivot) {
    EXPECT_EQ(contrast_pivot(rgb(200, 100, 0), 0), 100);
    EXPECT_EQ(change_contrast_colour(rgb(200, 100, 0), rgb(200, 100, 0), 0, 100), rgb(255, 100, 0));
}

TEST(Contrast, FullNegativeAmountTurnsEveryChannelIntoThePivot) {
    EXPECT_EQ(change_contrast_colour(rgb(200, 100, 0), rgb(200, 100, 0), 0, -100),
              rgb(100, 100, 100));
}

TEST(Contrast, TableDividesTowardZero) {
    const ChannelTable table = contrast_table(100, 30);
    EXPECT_EQ(table[99], 99);    // -1 * 30 / 100 = -0.3 -> 0
    EXPECT_EQ(table[96], 95);    // -4 * 30 / 100 = -1.2 -> -1
    EXPECT_EQ(table[104], 105);  // 4 * 30 / 100 = 1.2 -> 1
    EXPECT_EQ(contrast_table(100, 300)[0], 0);
    EXPECT_EQ(contrast_table(100, 300)[255], 255);
}

TEST(Contrast, PivotCountsTheBrightnessOffsetOnceMore) {
    // +40 on (230, 100, 0) shows (255, 140, 40); the pivot adds 40 to each of those again.
    const AdjustedColour result = adjust_colour(rgb(230, 100, 0), 40, 10);
    EXPECT_EQ(result.brightened, rgb(255, 140, 40));
    const int mean = (255 + 40 + 140 + 40 + 40 + 40) / 3;
    EXPECT_EQ(contrast_pivot(result.brightened, 40), mean);
    const ChannelTable u = contrast_table(mean, 10);
    EXPECT_EQ(result.adjusted, rgb(std::min(255, u[230] + 40), u[100] + 40, u[0] + 40));
    EXPECT_EQ(result.adjusted, rgb(255, 132, 40));
}

TEST(Contrast, ChannelsAreLimitedAfterTheOffsetIsAdded) {
    // The table value plus the offset would leave 0..255.
    EXPECT_EQ(adjust_colour(rgb(250, 128, 5), 200, 50).adjusted, rgb(255, 200, 200));
    EXPECT_EQ(adjust_colour(rgb(250, 128, 5), -200, 50).adjusted, rgb(55, 55, 0));
}

TEST(Contrast, NoAmountLeavesTheBrightnessResult) {
    const AdjustedColour result = adjust_colour(rgb(10, 20, 30), 5, 0);
    EXPECT_EQ(result.adjusted, rgb(15, 25, 35));
    EXPECT_EQ(result.brightened, result.adjusted);
}

}  // namespace
}  // namespace quorvane
