// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "colour/cielab.h"
#include "colour/colour_values.h"

namespace quorvane {
namespace {

// sRGB colours and their CIELAB values (D65, 2° observer) as published in B. Lindbloom's
// tables of the sRGB primaries and secondaries.
TEST(Cielab, SrgbColoursGiveTheirPublishedLabValues) {
    struct Pair {
        int colour;
        Lab lab;
    };
    const Pair pairs[] = {
        {rgb(255, 255, 255), {100, 0, 0}},
        {rgb(0, 0, 0), {0, 0, 0}},
        {rgb(255, 0, 0), {53.2408, 80.0925, 67.2032}},
        {rgb(0, 255, 0), {87.7347, -86.1827, 83.1793}},
        {rgb(0, 0, 255), {32.2970, 79.1875, -107.8602}},
        {rgb(255, 255, 0), {97.1393, -21.5537, 94.4780}},
        {rgb(0, 255, 255), {91.1132, -48.0875, -14.1312}},
        {rgb(255, 0, 255), {60.3242, 98.2343, -60.8249}},
        {rgb(128, 128, 128), {53.5850, 0, 0}},
    };
    for (const Pair& p : pairs) {
        SCOPED_TRACE(colour_text(p.colour).toStdString());
        const Lab lab = lab_of(p.colour);
        EXPECT_NEAR(lab.l, p.lab.l, 0.01);
        EXPECT_NEAR(lab.a, p.lab.a, 0.01);
        EXPECT_NEAR(lab.b, p.lab.b, 0.01);
        EXPECT_EQ(colour_of_lab(p.lab), p.colour);
    }
}

TEST(Cielab, LinearLightRoundsToTheNearestChannelValue) {
    for (int i = -10; i <= 110000; ++i) {
        const double linear = i / 100000.0;
        const double v = std::clamp(linear, 0.0, 1.0);
        const double encoded = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
        ASSERT_EQ(srgb_channel(linear), int(std::lround(encoded * 255))) << linear;
    }
}

TEST(Cielab, EveryColourSurvivesTheRoundTripExactly) {
    for (int r = 0; r < 256; r += 3) {
        for (int g = 0; g < 256; g += 5) {
            for (int b = 0; b < 256; b += 7) {
                const int colour = rgb(r, g, b);
                ASSERT_EQ(colour_of_lab(lab_of(colour)), colour) << r << " " << g << " " << b;
                ASSERT_EQ(colour_of_lab(lab_of_lch(lch_of(lab_of(colour)))), colour);
            }
        }
    }
}

TEST(Cielab, DifferenceIsTheDistanceBetweenPublishedLabValues) {
    struct Pair {
        int first;
        int second;
        double difference;
    };
    const Pair pairs[] = {
        {rgb(255, 255, 255), rgb(0, 0, 0), 100.0},
        {rgb(255, 0, 0), rgb(0, 255, 0), 170.5653},
        {rgb(0, 0, 255), rgb(255, 255, 0), 235.1469},
        {rgb(90, 140, 200), rgb(90, 140, 200), 0.0},
    };
    for (const Pair& p : pairs) {
        EXPECT_NEAR(delta_e(lab_of(p.first), lab_of(p.second)), p.difference, 0.02);
        EXPECT_NEAR(delta_e(lab_of(p.second), lab_of(p.first)), p.difference, 0.02);
    }
    EXPECT_NEAR(delta_e({50, 2.6772, -79.7751}, {50, 0, -82.7485}), 4.0011, 1e-4);
}

TEST(Cielab, ContrastFollowsTheAccessibilityGuidelines) {
    EXPECT_NEAR(contrast_between(rgb(0, 0, 0), rgb(255, 255, 255)), 21.0, 1e-3);
    EXPECT_NEAR(contrast_between(rgb(118, 118, 118), rgb(255, 255, 255)), 4.54, 0.01);
    EXPECT_DOUBLE_EQ(contrast_between(rgb(10, 200, 30), rgb(10, 200, 30)), 1.0);
    for (const double luminance : {0.0, 0.01, 0.18, 0.5, 1.0}) {
        EXPECT_NEAR(luminance_of_lightness(lightness_of_luminance(luminance)), luminance, 1e-12);
    }
}

TEST(Cielab, OutOfGamutColoursLoseChromaOnly) {
    const Lab too_vivid{60, 120, -40};
    ASSERT_FALSE(in_srgb_gamut(too_vivid));
    const Lab shown = within_srgb_gamut(too_vivid);
    EXPECT_TRUE(in_srgb_gamut(shown));
    EXPECT_DOUBLE_EQ(shown.l, 60);
    EXPECT_NEAR(lch_of(shown).h, lch_of(too_vivid).h, 1e-9);
    EXPECT_LT(lch_of(shown).c, lch_of(too_vivid).c);
    EXPECT_GT(lch_of(shown).c, 50);
}

}  // namespace
}  // namespace quorvane
