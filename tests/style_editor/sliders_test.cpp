// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "style_editor/sliders.h"

namespace quorvane {
namespace {

TEST(SliderKnob, MovesInStepsOfFifteenTwipsWithinTheTrack) {
    EXPECT_EQ(slider_span(), 1512);
    EXPECT_EQ(middle_knob_left(), 756);
    EXPECT_EQ(dragged_knob_left(756, 29), 780);    // 785 -> 52 steps
    EXPECT_EQ(dragged_knob_left(756, 30), 780);    // 786 -> 52 steps
    EXPECT_EQ(dragged_knob_left(756, 44.4), 795);  // 800.4 rounds to 800 -> 53 steps
    EXPECT_EQ(dragged_knob_left(0, 14), 0);
    // Dropped left of the track it stops at 0, dragged past the right end at the span.
    EXPECT_EQ(dragged_knob_left(100, -500), 0);
    EXPECT_EQ(dragged_knob_left(1400, 900), 1512);
}

TEST(SliderKnob, AdjustmentRunsFromMinusToPlus255) {
    EXPECT_EQ(adjustment_value(0), -255);
    EXPECT_EQ(adjustment_value(756), 0);
    EXPECT_EQ(adjustment_value(1512), 255);
    // 630 / 1512 * 510 - 255 = -42.5: halves go to even.
    EXPECT_EQ(adjustment_value(630), -42);
}

TEST(SliderKnob, SizeValuesInHundredths) {
    EXPECT_EQ(border_value(0), 0);
    EXPECT_EQ(scale_value(0), 1);   // the scale is raised to 1
    EXPECT_EQ(scale_value(15), 2);  // 2.48
    EXPECT_EQ(border_value(756), 125);
    EXPECT_EQ(border_value(1512), 250);
    EXPECT_EQ(scale_value(1512), 250);
}

TEST(SliderKnob, HundredthsTexts) {
    EXPECT_EQ(hundredths_text(1), "0.01");
    EXPECT_EQ(hundredths_text(60), "0.6");
    EXPECT_EQ(hundredths_text(125), "1.25");
    EXPECT_EQ(hundredths_text(250), "2.5");
    EXPECT_EQ(hundredths_text(200), "2");
    EXPECT_EQ(hundredths_text(0), "0");
    EXPECT_EQ(hundredths_text(5), "0.05");
}

}  // namespace
}  // namespace quorvane
