// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "style_editor/sliders.h"

namespace quorvane {
namespace {

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
