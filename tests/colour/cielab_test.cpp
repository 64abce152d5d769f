// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

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

// Sharma, Wu and Dalal, "The CIEDE2000 Color-Difference Formula: Implementation Notes,
// Supplementary Test Data, and Mathematical Observations", Table 1: pairs that catch the usual
// mistakes with hue angles near 0/360, the mean hue and the rotation term.
TEST(Cielab, Ciede2000MatchesThePublishedTestPairs) {
    struct Pair {
        Lab first;
        Lab second;
        double difference;
    };
    const Pair pairs[] = {
        {{50.0, 2.6772, -79.7751}, {50.0, 0.0, -82.7485}, 2.0425},
        {{50.0, 3.1571, -77.2803}, {50.0, 0.0, -82.7485}, 2.8615},
        {{50.0, -1.3802, -84.2814}, {50.0, 0.0, -82.7485}, 1.0000},
        {{50.0, 0.0, 0.0}, {50.0, -1.0, 2.0}, 2.3669},
        {{50.0, 2.49, -0.001}, {50.0, -2.49, 0.0009}, 7.1792},
        {{50.0, 2.49, -0.001}, {50.0, -2.49, 0.0011}, 7.2195},
        {{50.0, -0.001, 2.49}, {50.0, 0.0009, -2.49}, 4.8045},
        {{50.0, -0.001, 2.49}, {50.0, 0.0011, -2.49}, 4.7461},
        {{50.0, 2.5, 0.0}, {50.0, 0.0, -2.5}, 4.3065},
        {{50.0, 2.5, 0.0}, {73.0, 25.0, -18.0}, 27.1492},
        {{50.0, 2.5, 0.0}, {56.0, -27.0, -3.0}, 31.9030},
        {{50.0, 2.5, 0.0}, {50.0, 3.1736, 0.5854}, 1.0000},
        {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
        {{22.7233, 20.0904, -46.6940}, {23.0331, 14.9730, -42.5619}, 2.0373},
        {{90.9257, -0.5406, -0.9208}, {88.6381, -0.8985, -0.7239}, 1.5381},
        {{2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, 0.9082},
    };
    for (const Pair& p : pairs) {
        EXPECT_NEAR(delta_e_2000(p.first, p.second), p.difference, 5e-5) << p.difference;
        EXPECT_NEAR(delta_e_2000(p.second, p.first), p.difference, 5e-5) << p.difference;
    }
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
